#pragma once

#include <vector>

#include "fiskal/Steuertabelle.h"
#include "ui/bericht/Berichtslayout.h"

// The hotel bill on the receipt roll: logo, business, title and date; the stay
// with its overnight and breakfast rows, each with its VAT rate (UstUebernachtung,
// UstFruehstueck); the VAT table; the total. Bound to one row of the stored
// bill; the caller sets lblName, lblAdresse and lblDatum.
Berichtslayout ReportHotelabrechnung(const QString& logo);
// The rows of the VAT table, one per rate.
void HotelsteuernSetzen(Berichtslayout& layout, const std::vector<Steuerzeile>& zeilen);
