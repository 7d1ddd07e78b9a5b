#pragma once

#include <QString>
#include <cstdint>

#include "core/Geld.h"

// Upper bounds of what enters the till. They keep every product of price and
// quantity, and every bill total, far inside the range of cents, and every
// amount inside the printed columns.
inline constexpr std::int64_t kHoechstmenge = 9999;
inline constexpr Geld kHoechstpreis{9'999'999};

inline const QString kPreisZuHoch =
    QStringLiteral("Der Preis darf höchstens 99.999,99 € betragen.");
inline const QString kMengeZuHoch =
    QStringLiteral("Eine Position darf höchstens 9999 Stück umfassen.");
