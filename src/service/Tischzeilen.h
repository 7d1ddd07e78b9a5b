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
// numbers may repeat across stations. The pay list is one table name for
// every table, so its lines also carry the table they come from: a line left
// there never reaches another table's bill.
struct Tischort {
    QString station;
    QString tisch;
    QString herkunft = {};  // on the pay list: the table whose lines are paid
};

// The pay list of a table.
inline Tischort Zahlliste(const Tischort& tisch) { return {tisch.station, kZahlen, tisch.tisch}; }

// The lines of a table name of the current station: for the pay list, those of
// the current table.
Tischort OrtAmTisch(Kontext& k, const QString& tisch);

// Condition on OffeneTische selecting the lines of a place; binds the station,
// the table and the origin, in this order.
inline const QString kOrtBedingung =
    QStringLiteral("Station = ? AND Tisch = ? AND COALESCE(Herkunft, '') = ?");

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
