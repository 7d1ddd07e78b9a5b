#pragma once

#include <Qt>

// What a key of the physical keyboard does on the order screen. The codes are
// those the function keys and the entry pad carry on their buttons.
struct Bestelltaste {
    enum class Aktion {
        Nichts,    // every key without a meaning here is swallowed
        Leeren,    // Backspace, Delete: empty the entry field
        Enter,     // add the typed article
        Raster,    // Up, Down: move in the order-lines grid, code -1 or +1
        Mal,       // keypad *: append "x"
        Funktion,  // a function key, by code
        Rechner,   // a key of the entry pad, by code
    };
    Aktion aktion = Aktion::Nichts;
    int code = 0;
};

// Key codes of the function keys and of the entry pad.
namespace Tastencode {
constexpr int kUmbuchen = 85;
constexpr int kAbmelden = 65;
constexpr int kExtra = 69;
constexpr int kTotal = 79;
constexpr int kStorno = 83;
constexpr int kZwischensumme = 90;
constexpr int kTischSchliessen = 84;
constexpr int kTischLoeschen = 76;
constexpr int kNotiz = 78;

constexpr int kZiffer0 = 96;  // digits 0..9 are 96..105
constexpr int kMal = 106;
constexpr int kLeeren = 67;
constexpr int kEnter = 13;
constexpr int kGetraenke = 71;
constexpr int kSpeise = 83;
constexpr int kKarte = 75;
}  // namespace Tastencode

// Digits and "*" count only from the numeric keypad; letters only without
// Ctrl or Alt, so a shortcut of the system is never mistaken for an order key.
Bestelltaste BestelltasteDeuten(int taste, Qt::KeyboardModifiers modifikatoren);
