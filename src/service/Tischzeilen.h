#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/Geld.h"

class Kontext;

// The fixed table name of the lines being paid while a bill is settled.
inline const QString kZahlen = QStringLiteral("Zahlen");

// A table of a station: lines are always addressed by both, since table
// numbers may repeat across stations.
struct Tischort {
    QString station;
    QString tisch;
};

// One open line as the settlement and transfer lists show it.
struct Postenzeile {
    std::int64_t id = 0;
    std::int64_t regId = 0;
    QString plu;
    QString mengeText;
    QString gericht;
    QString extra;
    QString tischDetails;
    int menge = 0;
    Geld epreis;
    Geld gpreis;

    // A line that received extras moves together with them; an extra line
    // (no article number) never moves alone.
    bool hatExtras() const { return !plu.isEmpty() && extra == QStringLiteral("Ja"); }
    bool istExtra() const { return plu.isEmpty() && extra == QStringLiteral("Ja"); }
};

enum class Listenart {
    Abrechnung,  // every line of the table, drinks first, extras after their line
    Umbuchung,   // sent lines only, extras after their line
};

std::vector<Postenzeile> TischZeilen(Kontext& k, const Tischort& ort, Listenart art);

// Sum of Menge × EPREIS of the table; nullopt when it has no line.
std::optional<Geld> TischSumme(Kontext& k, const Tischort& ort);

// Caption of a list: station, three blanks, "Tisch: " and the table.
QString TischUeberschrift(const Tischort& ort);
