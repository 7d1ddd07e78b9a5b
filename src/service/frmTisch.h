#pragma once

#include <QWidget>

#include "service/Tischanzeige.h"

class Kontext;
class QLabel;
class QTableView;
class Touchtaste;

// The order-lines panel of the open table: the grid dgrTisch, the mode toggle
// cmdTisch ("Alt": sent lines, "Neu": new lines) and the sum lblTischSumme.
class frmTisch : public QWidget {
    Q_OBJECT
  public:
    explicit frmTisch(Kontext& k, QWidget* eltern = nullptr);

    // Shows the sent lines of the table just opened, the first one marked.
    void oeffnen();
    // Shows the open table's lines in that mode; the marked line keeps its place.
    void anzeigen(const QString& modus);
    // Marks the newest line (the one just entered).
    void neuesteZeileMarkieren();
    // Moves the mark by that many lines; at either end and on an empty table
    // the mark stays where it is.
    void zeileWechseln(int schritt);

    QString modus() const { return m_anzeige.modus; }
    // The marked line; nullptr when the grid has no current row.
    const Tischzeile* aktuelleZeile() const;
    QTableView* raster() const { return m_dgrTisch; }

  Q_SIGNALS:
    // The waiter touched the grid.
    void angetippt();

  private:
    void markieren(int reihe);
    void spaltenAnpassen();

    Kontext& m_k;
    Tischanzeige m_anzeige;
    QLabel* m_ueberschrift;
    QTableView* m_dgrTisch;
    Touchtaste* m_cmdTisch;
    QLabel* m_lblTischSumme;
};
