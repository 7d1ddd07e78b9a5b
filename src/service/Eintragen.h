#pragma once

#include <QString>

#include "core/Geld.h"

class Kontext;

// Adding lines to the open table (k.werte: station, table, waiter). Each routine
// answers true when a line was added or merged; the caller then shows the new
// lines (OffeneTischeAnzeigen with "Neu") and empties its entry field either way.

// Adds `menge` of the article as a new line. A drink merges into the table's new
// line of the same article and price unless that line has extras; food never
// merges here.
// Refuses a quantity that is not a whole number from 1 to 9999 (kMengeUngueltig),
// a merge that would make the line hold more than 9999 (kMengeZuHoch) and an
// article number not in the catalogue (kGerichtUnbekannt).
bool GerichtEintragen(Kontext& k, const QString& plu, const QString& menge);

// A free-price item: PLU "998" is a drink (merges like one when the price is
// equal), "999" food. `rolle` is the printer role, `gericht` the dish text. A
// price above the highest price is refused (kPreisZuHoch).
bool FreiesGerichtEintragen(Kontext& k, const QString& rolle, const QString& plu,
                            const QString& menge, const QString& gericht, Geld preis);

inline const QString kGerichtUnbekannt = QStringLiteral("Gericht nicht gefunden");
inline const QString kFreiesGetraenk = QStringLiteral("998");
inline const QString kFreieSpeise = QStringLiteral("999");
