#pragma once

#include <QString>
#include <optional>

class Kontext;

// What choosing a station shows, by its position (1 for the first station).
enum class Stationsansicht {
    Gastraum,    // floor view with the dining-room picture
    Biergarten,  // floor view with the beer-garden picture
    OhneBild,    // floor view without a picture
    Hotel,       // the hotel bill screen instead of the floor view
    Weitere,     // floor view, picture unchanged, no rights check
};
Stationsansicht AnsichtDerStation(int position);

// Why the current waiter may not choose this station; nullopt when allowed.
std::optional<QString> StationswahlVerweigert(Kontext& k, int position, const QString& station);

// Why the current waiter may not enter the administration section (its lock).
std::optional<QString> VerwaltungGesperrt(Kontext& k);

// Why the current waiter may not open the administration area at this position.
std::optional<QString> VerwaltungVerweigert(Kontext& k, int position);

// Why the current waiter may not open the current table of the current station:
// his till lock, the station right, then another waiter's lines without "FremdeTische".
std::optional<QString> TischVerweigert(Kontext& k);
