#pragma once

#include <QList>
#include <QString>
#include <map>

#include "core/Geld.h"

// The process data the till hands to the TSE, in the forms of the tax
// authority's till export (DSFinV-K).

// "Beleg^<gross at 19 %>_<7 %>_<10,7 %>_<5,5 %>_<0 %>^<payments>": amounts with
// a point and two decimals; payments "<amount>:Bar" and "<amount>:Unbar",
// joined by "_", those of 0,00 left out. Rates are hundredths of a percent;
// rates outside the five have no place in the form.
QString KassenbelegDaten(const std::map<int, Geld>& bruttoJeSatz, Geld bar, Geld unbar);

struct Bestellposten {
    std::int64_t menge = 0;  // negative for a cancellation
    QString text;
    Geld preis;  // per unit
};
// One line per ordered article, 'menge;"text";preis', lines separated by a
// carriage return; quotes in the text doubled.
QString BestellungDaten(const QList<Bestellposten>& posten);
