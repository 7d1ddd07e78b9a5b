#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class Touchtaste;

// A keyboard on the screen for a terminal without a physical one: German
// letters with umlauts and ß, digits, space, backspace, shift and Enter; for
// numbers (amounts, PINs) the digit pad alone. Enter answers the text typed,
// "Abbrechen" nothing.
class Bildschirmtastatur : public QDialog {
    Q_OBJECT
  public:
    Bildschirmtastatur(const QString& text, bool nurZiffern, QWidget* eltern = nullptr);

    QString text() const;

    // Edits the field's text on the screen keyboard; the field keeps its text
    // when the keyboard is cancelled.
    static void bearbeiten(QLineEdit* feld);

  private:
    void zeichen(const QString& z);
    void umschalten(bool gross);

    QLineEdit* m_feld;
    Touchtaste* m_umschalt = nullptr;
    bool m_gross = false;
};

// A field with the keyboard key beside it, for a form's row.
QWidget* MitTastatur(QLineEdit* feld);

// Whether a keyboard is attached, so that touching a field need not open the
// screen keyboard. TAVRO_TASTATUR=nein forces the screen keyboard.
bool TastaturAngeschlossen();

// Opens the screen keyboard whenever an editable field of the program is
// touched and no keyboard is attached. Installed once on the application.
class Tastaturhilfe : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;
};
