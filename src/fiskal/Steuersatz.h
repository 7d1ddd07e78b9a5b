#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "core/Geld.h"

// VAT rates are whole hundredths of a percent: 1900 is 19 %, 700 is 7 %, 1070
// is 10,7 %. Integers compare and group exactly, in SQL as in code.
inline constexpr int kRegelsatz = 1900;
inline constexpr int kErmaessigterSatz = 700;

// Above 0 and at most 100 %.
inline bool SteuersatzImBereich(std::int64_t satz) { return satz > 0 && satz <= 10000; }

// Reads a rate as typed in the catalogue: "19", "7", "7,0", "10.7", "19 %".
// At most two decimals, above 0 and at most 100 %; anything else (empty text
// included) is nullopt.
std::optional<int> SteuersatzLesen(const QString& text);

// "19 %", "7 %", "10,7 %": a rate as printed.
QString SteuersatzText(int satz);

// The net part of a gross amount at a rate, unrounded (in cents).
double Nettoanteil(Geld brutto, int satz);

inline const QString kSteuersatzFehlt =
    QStringLiteral("Für dieses Gericht ist kein gültiger Steuersatz hinterlegt.");
