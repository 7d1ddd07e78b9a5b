#pragma once

#include <QFont>
#include <QString>

#include "ui/bericht/Berichtslayout.h"

// The one typeface of every printed document; DejaVu Sans carries the umlauts
// and the euro sign on every installation we ship to.
QFont Schriftart(const Schrift& schrift);

// Height in mm that a text needs when wrapped at word boundaries into a width in mm.
double Umbruchhoehe(const QString& text, const Schrift& schrift, double breite);
