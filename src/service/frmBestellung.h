#pragma once

#include <QWidget>

class Kontext;
struct Bestelltaste;
class QStackedWidget;
class frmTisch;
class frmGaenge;
class frmTastenMenu1;
class frmTastenMenu2;
class frmSchnellwahltaste;
class frmkarteAuswahl;

// The order screen of the open table: the order-lines panel, the course keys,
// the function keys, the entry pad and one of the two article pickers. It also takes the
// physical keyboard while it is shown, whichever of its parts has the focus; a
// modal window opened from it has the keyboard to itself until it closes.
class frmBestellung : public QWidget {
    Q_OBJECT
  public:
    explicit frmBestellung(Kontext& k, QWidget* eltern = nullptr);

    // Shows the current table: its sent lines, an empty entry field and the
    // article picker last chosen.
    void oeffnen();

    frmTisch& tisch() const { return *m_tisch; }
    frmTastenMenu1& funktionstasten() const { return *m_menu1; }
    frmTastenMenu2& rechner() const { return *m_menu2; }

  protected:
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    void tasteVerarbeiten(const Bestelltaste& t);
    void pickerZeigen(bool karte);
    // A course key: the course of the lines entered next, and of the line the
    // waiter marked in the grid, when he did.
    void gangWaehlen(const QString& gang);

    Kontext& m_k;
    frmTisch* m_tisch;
    frmGaenge* m_gaenge;
    bool m_zeileGewaehlt = false;  // the waiter marked a line since the last entry
    frmTastenMenu2* m_menu2;
    frmTastenMenu1* m_menu1;
    frmSchnellwahltaste* m_schnellwahl;
    frmkarteAuswahl* m_karte;
    QStackedWidget* m_picker;
};
