#pragma once

#include <QDialog>

class Kontext;
class QLineEdit;

// The modal "Pin 2" window: asks the current waiter's second PIN. A wrong one
// shows its message and the window stays open with the field emptied.
class frmPin2 : public QDialog {
    Q_OBJECT
  public:
    frmPin2(Kontext& k, QWidget* eltern = nullptr);

  private:
    void pin2Auswerten();

    Kontext& m_k;
    QLineEdit* m_pin2;
};

// Shows the window; true only when the PIN typed in this very showing was right.
bool Pin2Fragen(Kontext& k, QWidget* eltern);
