#pragma once

#include <QString>
#include <array>
#include <vector>

#include "fiskal/Steuertabelle.h"
#include "ui/bericht/Berichtslayout.h"

// Where a document prints its VAT table in its closing band.
struct Steuerspalten {
    std::array<double, 5> grenzen;  // left edges of rate, net, VAT, gross; then the right edge
    double zeilenhoehe;             // mm per row
    QString format;                 // of the amounts
    bool mitKennung;                // "A 19 %" rather than "19 %"
};

// The heads of the table (lblSteuersatz, lblSteuerNetto, lblSteuerMwSt,
// lblSteuerBrutto), placed with the layout.
void SteuerkopfSetzen(Berichtslayout& l, const Steuerspalten& s, double oben, Schrift schrift);

// One row per rate below the heads (lblSteuersatz0, lblSteuerNetto0, ...),
// added when the document is printed; what lies below moves down.
void SteuerzeilenSetzen(Berichtslayout& l, const Steuerspalten& s,
                        const std::vector<Steuerzeile>& zeilen, Schrift schrift);
