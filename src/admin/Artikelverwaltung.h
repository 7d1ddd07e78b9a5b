#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "admin/Druckerwahl.h"
#include "service/Speisekarte.h"

class Kontext;

// The fields of the article form as typed.
struct Artikelformular {
    QString plu;
    QString wg;
    QString gericht;
    QString epreis;  // "3,50" or "3.50"
    QString mwst;
    QString stationsdrucker = kKeinDrucker;
    QString bondrucker = kThekendrucker;
    bool extra = false;
};

inline const QString kSteuersatzUngueltig = QStringLiteral(
    "Der Mehrwertsteuersatz muss eine Zahl über 0 bis 100 mit höchstens zwei Nachkommastellen "
    "sein (z. B. 19 oder 7)");

// The stored article for the form; none when the PLU is not listed.
std::optional<Artikelformular> ArtikelBearbeitenZeigen(Kontext& k, const QString& plu);

// "Speichern" of a new article: checks the fields, asks before appending or
// before overwriting an article of the same PLU. True when stored.
bool ArtikelNeuSpeichern(Kontext& k, const Artikelformular& f);

// "Speichern" of the article opened under `altePLU`. Under a PLU that exists
// that article is overwritten (the opened one stays as it is); under a free
// PLU the opened article moves there. True when stored.
bool ArtikelBearbeitenSpeichern(Kontext& k, const Artikelformular& f, const QString& altePLU);

// Deletes the article after asking. True when deleted.
bool ArtikelLoeschen(Kontext& k, const QString& plu);

// Articles whose PLU or name equals the text exactly.
QList<Kartenartikel> Artikelgruppesuchen(Kontext& k, const QString& suchtext);
