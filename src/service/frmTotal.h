#pragma once

#include <QDialog>

#include "service/Rechnungsspeicher.h"
#include "service/Tischzeilen.h"

class Kontext;
class Postenliste;
class QLabel;
class QRadioButton;

// The settlement window "TOTAL" of the current table: its lines on the left, the
// pay list on the right. Opening puts every sent line on the pay list (after
// any line left there returned to its own table); closing without settling puts
// them back.
class frmTotal : public QDialog {
    Q_OBJECT
  public:
    frmTotal(Kontext& k, QWidget* eltern = nullptr);

    // True once a bill was stored; the window then closed without moving back.
    bool abgerechnet() const { return m_abgerechnet; }

    void done(int ergebnis) override;

  private:
    void aktualisieren();
    void markierteUmbuchen(Postenliste* liste, const Tischort& von, const Tischort& nach);
    void alleUmbuchen(const Tischort& von, const Tischort& nach);
    void zahlungsartGewaehlt(int index);
    // "Auf Haus": the marked line of the pay list is given away.
    void aufHaus();
    void abrechnen(const QString& beleg);

    Kontext& m_k;
    Tischort m_tisch;
    Tischort m_zahlen;
    Postenliste* m_links;
    Postenliste* m_rechts;
    QLabel* m_zahlungsart;
    QRadioButton* m_optionen[4];
    Gutschein m_gutschein;
    bool m_abgerechnet = false;
};

// Opens the settlement window modally for the current table; true when a bill
// was stored.
bool TotalZeigen(Kontext& k, QWidget* eltern);
