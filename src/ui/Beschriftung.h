#pragma once

#include <QFont>
#include <QSize>
#include <QStringList>

// How a caption fits a key: broken into lines at spaces and after hyphens, and
// drawn at a scale of the key's font. A word too long for the key even at the
// smallest readable scale is broken with a hyphen; a caption that does not fit
// even so is cut with an ellipsis.
struct Beschriftung {
    QStringList zeilen;
    qreal massstab = 1.0;
    bool gekuerzt = false;
};

// Smallest text height, in pixels, that is still read at arm's length.
inline constexpr int kKleinsteSchrift = 11;

// A "&" marks the underlined letter and takes no room; "&&" is one "&".
QString OhneKuerzel(const QString& text);

// The largest scale (at most 1) at which the caption fits the area.
Beschriftung BeschriftungEinpassen(const QString& text, const QFont& schrift, QSize flaeche);
