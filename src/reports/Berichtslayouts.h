#pragma once

#include <vector>

#include "fiskal/Steuertabelle.h"
#include "ui/bericht/Berichtslayout.h"

// The A4 reports of the manager (AufRolle lays them onto the roll). Each header holds the logo
// Symbol1, the address line lblAdresse, the title lblTagesumsatz and the date line lblDatum.

// Till report "Kassenbericht": one row with Lokal, AußerHaus, BAR, KARTE; the
// footer's lblSummeBrutto is set by the caller.
Berichtslayout ReportKassenbericht();
// Waiter report "Kellnerbericht": one block per staff member with Kellner,
// Offen, Kassiert, Stornos; lblSummeBrutto set by the caller.
Berichtslayout ReportKellnerBericht();
// Turnover report "Umsatzbericht": one line per date (Datum, SummeLokal,
// SummeAusserHaus); the footer holds the VAT table of the range, whose rows
// UmsatzsteuernSetzen adds, and the sum of Gesamt.
Berichtslayout ReportUmsatzbericht();
void UmsatzsteuernSetzen(Berichtslayout& layout, const std::vector<Steuerzeile>& zeilen);
// Hotel report "Hotelbericht": one line per hotel bill with the sum of Gesamt.
Berichtslayout ReportHotelbericht();
