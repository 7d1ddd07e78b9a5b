#pragma once

#include <QWidget>
#include <optional>

#include "service/Tischzeilen.h"

class Kontext;
class QLabel;
class QTableView;
class Tischzeilenmodell;

// A list of a table's lines for the settlement and transfer windows: caption
// (station and table) above, the lines, and optionally the total below. Exactly
// one row is marked whenever the list has rows.
class Postenliste : public QWidget {
    Q_OBJECT
public:
    // gitter, summe: objectNames of the grid and of the total label (empty: no total).
    // gerichtAnteil: share of the width for the dish column.
    Postenliste(const QString& gitter, const QString& summe, double gerichtAnteil,
                QWidget* eltern = nullptr);

    // Shows the lines of `ort`; the caption names `ueberschrift`, the real table
    // also when the lines are those of the pay list.
    void fuellen(Kontext& k, const Tischort& ort, const Tischort& ueberschrift, Listenart art);
    std::optional<Tischzeile> markiert() const;
    QTableView* tabelle() const { return m_tabelle; }

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    void breitenSetzen();

    QLabel* m_ueberschrift;
    QTableView* m_tabelle;
    Tischzeilenmodell* m_modell;
    QLabel* m_summe = nullptr;
    double m_gerichtAnteil;
};
