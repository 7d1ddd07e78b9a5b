#pragma once

#include <QList>
#include <QString>

class Kontext;

struct Extraartikel {
    QString plu;
    QString gericht;
};

// Does the article of this number accept extras?
bool PruefenExtra(Kontext& k, const QString& plu);

// Every article of the product group "Extra", offered in the extras window.
QList<Extraartikel> ListViewExtraFuelen(Kontext& k);
