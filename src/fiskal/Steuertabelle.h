#pragma once

#include <QString>
#include <map>
#include <vector>

#include "core/Geld.h"

// One rate of a document's VAT table. The net part comes from the rate's
// summed gross amount and is rounded once, here; the VAT is what the rounded
// net leaves of the gross, so net and VAT always add up to the printed gross.
struct Steuerzeile {
    QString kennung;  // "A", "B", ...
    int satz = 0;     // hundredths of a percent
    Geld brutto;
    Geld netto;
    Geld steuer;
};

// Gathers the gross amounts of a document's lines per VAT rate and names each
// rate by a letter printed beside its lines. The letters do not depend on the
// order of the lines: A is always 19 % and B always 7 %, the two rates of
// nearly every bill; any other rates follow from C on, the highest first.
class Steuertabelle {
  public:
    void hinzufuegen(int satz, Geld brutto);

    QString kennung(int satz) const;
    // One row per rate used, in the order of their letters.
    std::vector<Steuerzeile> zeilen() const;

  private:
    // The rates other than A and B, highest first.
    std::vector<int> weitere() const;

    std::map<int, Geld> m_brutto;
};
