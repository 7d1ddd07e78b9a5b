#pragma once

#include "hotel/Hotelabrechnung.h"

// Two nights in a single room, "ÜF" at 80,00 and "Ü" at 70,00, paid cash.
inline Hotelaufenthalt zweiNaechteEZ() {
    Hotelaufenthalt a;
    a.anreise = QDate(2026, 12, 4);
    a.abreise = QDate(2026, 12, 6);
    a.zimmerNr = 1;
    a.zimmerArt = QStringLiteral("EZ");
    a.zimmerleistung = QStringLiteral("ÜF");
    a.zimmerAnzahl = 1;
    a.uebernachtungen = 2;
    a.zimmerpreis = Geld(8000);
    a.fruehstueckpreis = Geld(1000);
    a.zahlungsart = kBar;
    return a;
}
