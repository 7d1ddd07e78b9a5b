#pragma once

#include "ui/bericht/Berichtslayout.h"

// The hotel bill on the receipt roll: logo, business, title and date; the stay
// with its overnight (19 %) and breakfast (7 %) rows and the VAT table; the
// total. Bound to one row of the stored bill; the caller sets lblName,
// lblAdresse and lblDatum.
Berichtslayout ReportHotelabrechnung(const QString& logo);
