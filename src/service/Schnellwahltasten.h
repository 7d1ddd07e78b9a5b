#pragma once

#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class Kontext;

// A main key of the quick-key panel: its text names its rows of article keys.
struct Haupttaste {
    std::int64_t id = 0;
    QString wg;
};

// One article key. The colour is stored as 0xRRGGBB; none leaves the key plain.
struct Artikeltaste {
    QString text;
    QString plu;
    std::optional<unsigned> farbe;
};

// A row of five article keys (ArtikelTasten).
struct Artikeltastenreihe {
    std::int64_t id = 0;
    std::array<Artikeltaste, 5> tasten;
};

// The main keys in the order of their position in the column.
QList<Haupttaste> HaupttastenLesen(Kontext& k);

// The article keys of a main key, row by row in ID order.
QList<Artikeltastenreihe> ArtikeltastenLesen(Kontext& k, const QString& wg);

// The article number of the key in column 1..5 of the row, read afresh so a
// layout changed meanwhile is honoured. Empty when the key or its row is gone.
QString ArtikeltastePLU(Kontext& k, std::int64_t reihe, int spalte);
