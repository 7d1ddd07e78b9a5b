#pragma once

#include "ui/bericht/Berichtslayout.h"

// The customer documents on the 80 mm receipt roll. Their detail band reads
// Gericht, SummeMenge, Einzelpreis and SummeBrutto (and PLU on the interim bill);
// the closing band sums SummeNetto, SummeMwSt and SummeBrutto under "TOTAL".
// Receipt and invoice then list the payment (lblZahlart, lblZahlbetrag) and
// mark a reprint in the header (lblKopie).

// Till receipt "Abrechnung".
Berichtslayout ReportAbrechnung();
// Invoice "Rechnung": the receipt followed by the hospitality-expense form with
// ruled lines to fill in by hand.
Berichtslayout ReportRechnung();
// Interim bill "Zwischensumme": with article numbers, total "TOTAL", no thanks.
Berichtslayout ReportZwischensumme();

// The logo printed at the top, from the program's folder.
QString LogoDatei();
