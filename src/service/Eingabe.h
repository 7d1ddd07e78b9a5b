#pragma once

#include <QString>
#include <optional>

#include "core/Geld.h"

// What the waiter types into the entry field: an article number (or a price in
// cents for the free-price keys), optionally preceded by a quantity and "x".
struct Eingabeteile {
    QString menge;  // "1" when no "x" was typed; may be empty or anything else
    QString rest;   // the article number or the price
};

// Splits at the first "x": "3x12" gives 3 and 12, "12" gives 1 and 12, "x12"
// gives an empty quantity and 12.
Eingabeteile EingabeAufteilen(const QString& eingabe);

// A quantity is a whole number from 1 to 9999, digits only.
std::optional<int> MengeLesen(const QString& text);

// A free price is typed in cents with at least 2 digits ("250" is 2,50 €);
// whether it is too high is checked where it is entered.
std::optional<Geld> FreierPreisLesen(const QString& text);

inline const QString kMengeUngueltig =
    QStringLiteral("Ungültige Anzahl. Bitte eine ganze Zahl von 1 bis 9999 eingeben.");
