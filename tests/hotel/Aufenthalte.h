#pragma once

#include "core/Datenbank.h"
#include "hotel/Hotelabrechnung.h"

// The owner's VAT rates of overnight stays and breakfast (hundredths of a percent).
inline void Hotelsteuersaetze(Datenbank& db, int uebernachtung = 700, int fruehstueck = 700) {
    db.ausfuehren(QStringLiteral("DELETE FROM Betrieb"));
    db.ausfuehren(QStringLiteral("INSERT INTO Betrieb (Name, Adresszeile, MwStUebernachtung, "
                                 "MwStFruehstueck) VALUES ('Hotel Lindenhof', 'Am Lindenhof 3', "
                                 "?, ?)"),
                  uebernachtung, fruehstueck);
}

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
