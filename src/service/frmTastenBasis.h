#pragma once

#include <QDialog>

class QLabel;
class QKeyEvent;
class QLineEdit;

// The modal numeric pad: digits typed on its keys or on the keyboard's keypad
// collect in txtFeld. Its answer is the digits, or "Abbrechen". "Ok" on an empty
// field keeps the pad open; Enter answers the field even when it is empty.
class frmTastenBasis : public QDialog {
    Q_OBJECT
  public:
    explicit frmTastenBasis(QWidget* eltern = nullptr);

    void setzeAufforderung(const QString& aufforderung);
    // What the pad answered; "Abbrechen" until it was confirmed.
    const QString& ergebnis() const { return m_ergebnis; }

    // Shows the pad with a prompt and answers its result.
    static QString fragen(QWidget* eltern, const QString& aufforderung);

  protected:
    void reject() override;

  private:
    bool tasteGedrueckt(const QKeyEvent* ereignis);
    void beenden(const QString& ergebnis);
    void okGedrueckt();

    QLabel* m_aufforderung;
    QLineEdit* m_feld;
    QString m_ergebnis;
};
