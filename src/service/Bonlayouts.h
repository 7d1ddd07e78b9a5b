#pragma once

#include "ui/bericht/Berichtslayout.h"

// The three tickets share one layout on the 72 mm receipt roll. The caller sets
// the header labels lblDruckerstation, lblDatum, lblStationUNDTisch, lblKellner;
// the detail binds Menge_Text, PLU, Gericht and GPREIS.
Berichtslayout ReportTheke();         // no PLU field, closing mark "*"
Berichtslayout ReportKüche();         // closing mark "***"
Berichtslayout ReportStornozettel();  // closing mark "*"
