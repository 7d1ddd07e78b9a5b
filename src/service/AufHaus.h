#pragma once

#include <QString>
#include <cstdint>

#include "service/Tischzeilen.h"

class Kontext;

inline const QString kAufHaus = QStringLiteral("Auf Haus");
inline const QString kSchonAufHaus = QStringLiteral("Dieser Posten geht bereits auf Haus.");

// Gives a line of a table (or of its pay list) away: it is settled at 0,00 €,
// and the cancellation log keeps it as "Auf Haus" at its original price, under
// the real table and the staff member who gave it. Needs the right "Rabatte";
// a refusal, a line no longer there or one already free shows its message and
// changes nothing. True when the line was given away.
bool AufHaus(Kontext& k, const Tischort& ort, std::int64_t id);
