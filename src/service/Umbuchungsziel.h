#pragma once

#include <QString>
#include <optional>

#include "service/Tischzeilen.h"

class Kontext;

inline const QString kFalscheTischnummer =
    QStringLiteral("Bitte geben Sie eine richtige Tischnummer ein.");
inline const QString kTischExistiertNicht = QStringLiteral("Dieser Tisch existiert nicht.");
inline const QString kKeineBerechtigung = QStringLiteral("keine Berechtigung");

// The station of the first floor-plan tile with this name; nullopt when no
// floor plan has it.
std::optional<QString> PicTischAbfragen(Kontext& k, const QString& tisch);

// May the logged-in staff member work on this station (its access column)?
bool StationBerechtigung(Kontext& k, const QString& station);

// Asks the destination of a transfer from the current table on the numeric
// pad and checks it. nullopt when cancelled, when it is the current table
// itself (silently), or refused with its message: not a table number from 1 to
// 10000000, no such tile, or no right for the tile's station.
std::optional<Tischort> UmbuchungszielFragen(Kontext& k);
