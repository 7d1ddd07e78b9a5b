#pragma once

#include <QList>
#include <QString>

#include "core/Geld.h"

class Kontext;

// Main group of drinks; every other main group is food.
inline const QString kHauptgruppeGetraenke = QStringLiteral("Getränke");
inline const QString kHauptgruppeSpeise = QStringLiteral("Speise");

struct Warengruppeneintrag {
    QString wg;
    bool getraenk = false;
};

struct Kartenartikel {
    QString plu;
    QString gericht;
    Geld epreis;
};

// The product groups by name, each marked as drink or food.
QList<Warengruppeneintrag> WarengruppenLesen(Kontext& k);

// The articles of a product group as the menu card lists them.
QList<Kartenartikel> ArtikelDerWarengruppe(Kontext& k, const QString& wg);
