#pragma once

#include <QWidget>

class Kontext;
class QLineEdit;
class Touchtaste;

// The entry pad "Rechner": the entry field txtPLU, digits, "x", "C", "Enter",
// the free-price keys and the switch between the two article pickers.
class frmTastenMenu2 : public QWidget {
    Q_OBJECT
  public:
    explicit frmTastenMenu2(Kontext& k, QWidget* eltern = nullptr);

    // Runs the key of the pad carrying this code; an unknown code does nothing.
    void TastenMenu2(int code);

    // Adds the article typed as [quantity "x"] PLU, then empties the field.
    void DatenFinden();
    // Adds a free-price drink ("&Getränke") or food item (any other caption)
    // from [quantity "x"] price in cents, then empties the field.
    void DatenEintragen(const QString& beschriftung);

    QString eingabe() const;
    void anhaengen(const QString& text);
    void setzeEingabe(const QString& text);
    void eingabeLeeren();

    // True while the menu list is the article picker shown.
    bool karteGewaehlt() const;

  Q_SIGNALS:
    // A line was added or merged: the order-lines panel shows the new lines.
    void eingetragen();
    // The switch key was pressed; true asks for the menu list.
    void pickerGewechselt(bool karte);

  private:
    Touchtaste* taste(int code) const;

    Kontext& m_k;
    QLineEdit* m_txtPLU;
    Touchtaste* m_wechsel;
};
