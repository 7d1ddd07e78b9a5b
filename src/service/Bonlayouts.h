#pragma once

#include "ui/bericht/Berichtslayout.h"

// The three tickets share one layout on the 72 mm receipt roll. The caller sets
// the header labels lblDruckerstation, lblDatum, lblStationUNDTisch, lblKellner;
// the detail binds Menge_Text, PLU, Gericht and GPREIS.
Berichtslayout ReportTheke();         // no PLU field, closing mark "*"
Berichtslayout ReportKüche();         // closing mark "***"
Berichtslayout ReportStornozettel();  // closing mark "*"

// Heads the lines of a called course with the course ("Gang 2"), large, below
// the header, so the kitchen sees which course to serve now.
void GangUeberschrift(Berichtslayout& layout, const QString& gang);
