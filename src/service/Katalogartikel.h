#pragma once

#include <QString>
#include <optional>

#include "core/Geld.h"

class Datenbank;

// The columns of an Artikelgruppe row that an order line copies.
struct Katalogartikel {
    QString plu;
    std::optional<QString> wg;  // none on free-price lines
    QString idwg;
    QString gericht;
    Geld epreis;
    QString stationsdrucker;
    QString bondrucker;
    std::optional<int> mwstSatz;  // none when the catalogue holds no valid rate
};

// The first catalogue row with that article number; none when it is not listed.
std::optional<Katalogartikel> KatalogartikelLesen(Datenbank& db, const QString& plu);
