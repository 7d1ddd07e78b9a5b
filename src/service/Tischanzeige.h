#pragma once

#include <QString>
#include <optional>

#include "core/Geld.h"
#include "service/Tischzeilenmodell.h"

class Kontext;

// What the order-lines panel shows: the lines, the mode ("Alt": sent lines,
// "Neu": new lines; it also tells a cancellation which kind of line it handles),
// the grid's caption and the table's sum (none: the sum label is hidden).
struct Tischanzeige {
    Tischzeilenmodell modell;
    QString modus = kAlt;
    QString ueberschrift;
    std::optional<Geld> summe;

    QString summentext() const { return summe ? summe->waehrung() : QString(); }
};

// Reads the lines of the current station and that table in that state (held
// courses count as sent), in group order (extras follow their line), sets the
// mode and then the sum.
void OffeneTischeAnzeigen(Kontext& k, Tischanzeige& anzeige, const QString& tisch,
                          const QString& modus);

// Totals the open table: every line in mode "Alt", only the new lines in "Neu".
void SummeTischAnzeigen(Kontext& k, Tischanzeige& anzeige, const QString& modus);
