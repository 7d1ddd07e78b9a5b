#pragma once

#include <vector>

#include "fiskal/Steuertabelle.h"
#include "ui/bericht/Berichtslayout.h"

// The customer documents on the 80 mm receipt roll. Their detail band reads
// Gericht, SummeMenge, Einzelpreis, SummeBrutto and the VAT mark MwStKennung
// (and PLU on the interim bill); the closing band sums SummeBrutto under "TOTAL"
// and holds the heads of the VAT table, whose rows SteuertabelleSetzen adds.
// Receipt and invoice then list the payment (lblZahlart, lblZahlbetrag) and
// mark a reprint in the header (lblKopie).

// Till receipt "Abrechnung".
Berichtslayout ReportAbrechnung();
// Invoice "Rechnung": the receipt followed by the hospitality-expense form with
// ruled lines to fill in by hand.
Berichtslayout ReportRechnung();
// Interim bill "Zwischensumme": with article numbers, total "TOTAL", no thanks.
Berichtslayout ReportZwischensumme();

// Adds one row per rate to the VAT table (lblSteuersatz0, lblSteuerNetto0, ...)
// and moves what lies below the table down by as many rows.
void SteuertabelleSetzen(Berichtslayout& layout, const std::vector<Steuerzeile>& zeilen);

// Below everything else: the TSE's lines of text and its QR code (none when
// `qr` is empty), sized to scan from the roll.
void TseblockSetzen(Berichtslayout& layout, const QString& text, const QString& qr);

// The logo printed at the top, from the program's folder.
QString LogoDatei();
