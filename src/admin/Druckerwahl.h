#pragma once

#include <QString>
#include <QStringList>

class Kontext;

inline const QString kKeinDrucker = QStringLiteral("kein Drucker");
inline const QString kThekendrucker = QStringLiteral("Thekendrucker");
inline const QString kKuechendrucker = QStringLiteral("Küchendrucker");

// The station printer choice of the article and group forms: "kein Drucker"
// first, then every station that has a printer.
QStringList StationenAbfragen(Kontext& k);
