#pragma once

#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "core/Geld.h"
#include "service/Raumdaten.h"

class Datenbank;

// One entry of the station editor's list, in ID order.
struct Stationseintrag {
    QString station;
    std::optional<Geld> tagesumsatz;  // abger_Tagesumsatz when it holds a value
};

std::vector<Stationseintrag> ListeFuelen(Datenbank& db);

// Stores the tile's position and size. Answers whether a row matched.
bool TabellePicTischSpeichern(Datenbank& db, const QString& station, const Tischposition& tisch);

// How a pointer held down on a tile changes it.
enum class Kachelgriff { Verschieben, Breite, Hoehe };

// Within this band of the right (or bottom) edge the pointer resizes the tile.
constexpr int kGriffbreite = 16;
// No tile gets smaller than this, so it can always be touched again.
constexpr int kMindestgroesse = 40;

// The grip at a point within a tile of this size; the right edge wins in the corner.
Kachelgriff GriffAn(const QSize& groesse, const QPoint& punkt);

// The tile's rectangle after the pointer moved to `punkt` (in the floor's
// coordinates) with the grip taken at `versatz` within the tile; kept on the floor.
QRect KachelBewegt(const QRect& kachel, Kachelgriff griff, const QPoint& versatz,
                   const QPoint& punkt, const QSize& boden);
