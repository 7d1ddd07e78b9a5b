#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "core/Geld.h"
#include "service/Tischzeile.h"

class Kontext;

// The fixed table name of the lines being paid while a bill is settled.
inline const QString kZahlen = QStringLiteral("Zahlen");

// A table of a station: lines are always addressed by both, since table
// numbers may repeat across stations.
struct Tischort {
    QString station;
    QString tisch;
};

// A line that received extras moves together with them; an extra line (no
// article number) never moves alone.
inline bool HatExtras(const Tischzeile& z) { return !z.plu.isEmpty() && z.extra == kJa; }
inline bool IstExtra(const Tischzeile& z) { return z.plu.isEmpty() && z.extra == kJa; }

enum class Listenart {
    Abrechnung,  // every line of the table, drinks first, extras after their line
    Umbuchung,   // sent lines only, extras after their line
};

QList<Tischzeile> TischZeilen(Kontext& k, const Tischort& ort, Listenart art);

// Sum of Menge × EPREIS of the table; nullopt when it has no line.
std::optional<Geld> TischSumme(Kontext& k, const Tischort& ort);

// Caption of a list: station, three blanks, "Tisch: " and the table.
QString TischUeberschrift(const Tischort& ort);
