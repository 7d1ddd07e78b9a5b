#pragma once

#include <QString>
#include <optional>

class Kontext;

inline const QString kAnzahlEingeben = QStringLiteral("Bitte Anzahl eingeben");

// Asks the numeric pad for a count, once more when OK was pressed on an empty
// field. nullopt when cancelled or when the answer is not a whole number, so a
// typing slip changes nothing; a number above the largest quantity of a line
// is refused with kMengeUngueltig.
std::optional<int> AnzahlFragen(Kontext& k, const QString& aufforderung = kAnzahlEingeben);
