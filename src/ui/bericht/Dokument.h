#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

#include "ui/bericht/Berichtslayout.h"

// A rendered report: every text, rule, box and picture placed on its page, in
// the order the bands printed them. Print targets draw it; tests read it.
struct Druckelement {
    Berichtselement::Art art;
    QString bereich;  // the band it came from
    QString name;     // the control's name
    int zeile = -1;   // data row of a detail band, -1 for header and footer
    QRectF lage;      // mm on the page
    QString text;     // the printed text (formatted), or the picture file
    Schrift schrift;
    Ausrichtung ausrichtung = Ausrichtung::Links;
    bool umbrechen = false;  // wrapped over several lines within lage
};

struct Seite {
    std::vector<Druckelement> elemente;
};

class Dokument {
  public:
    QString titel;
    // The printer role it prints on ("Küchendrucker", "Berichte", ...); empty
    // for the till's own receipts and invoices.
    QString rolle;
    double breite = 0;  // mm
    double hoehe = 0;   // mm of each page
    std::vector<Seite> seiten;

    // Texts of one band in print order (all pages); detail rows one after the other.
    QStringList texte(const QString& bereich) const;
    // The printed text of a control: of the header/footer, or of a detail row.
    QString text(const QString& bereich, const QString& name, int zeile = -1) const;
    // Number of detail rows printed.
    int detailzeilen() const;
};

// Lays the layout out with its data: header once, one detail band per row,
// footer with its sums; breaks pages when the layout has a page height.
Dokument BerichtErzeugen(const Berichtslayout& layout, const Berichtsdaten& daten);
