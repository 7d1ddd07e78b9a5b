#pragma once

#include <QWidget>

class Kontext;
class frmTisch;
class frmTastenMenu2;

// The column of function keys of the order screen. Leaving the table
// ("&Abmelden", "&Tisch schließen") prints and sends before it signals;
// "Tisch löschen" cancels the whole table and leaves it;
// "T&OTAL" and "&Umbuchen" signal for the settlement and transfer windows after
// the checks made here.
class frmTastenMenu1 : public QWidget {
    Q_OBJECT
  public:
    frmTastenMenu1(Kontext& k, frmTisch& tisch, frmTastenMenu2& rechner, QWidget* eltern = nullptr);

    // Runs the function key carrying this code; an unknown code does nothing.
    void TastenMenu1(int code);

    // After a settlement the table is left as with "&Tisch schließen", without
    // printing again: its tile shows free when the waiter has no line left on it.
    void abgerechnet();

  Q_SIGNALS:
    // The table was left (tickets printed, new lines sent).
    void geschlossen();
    void abmelden();
    // The table's tile should show it free: the waiter has no line left on it.
    void tischFrei(const QString& tisch);
    // "T&OTAL": the waiter may settle, the table has lines and they have been
    // printed and sent; the settlement window takes over from here.
    void kassieren();
    // "&Umbuchen" on a table without new lines: the transfer window takes over.
    void umbuchen();

  private:
    void verlassen(bool abmelden);
    void verlassenMelden(bool abmelden);
    void total();
    void stornieren();
    // The current line's note to the kitchen.
    void notiz();
    void extra();
    // "Tisch löschen": every line of the table is cancelled, after a question.
    void tischLoeschen();

    Kontext& m_k;
    frmTisch& m_tisch;
    frmTastenMenu2& m_rechner;
};
