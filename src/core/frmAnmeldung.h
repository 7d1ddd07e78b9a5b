#pragma once

#include <QDialog>

class Kontext;
class QLineEdit;

// The modal PIN login: a caption-less window with the field txtPin, an on-screen
// digit pad and Enter to log in. A wrong PIN empties the field; a locked staff
// member keeps his text. Closing the window ends the program.
class frmAnmeldung : public QDialog {
    Q_OBJECT
  public:
    frmAnmeldung(Kontext& k, QWidget* eltern = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

  private:
    void prueffePin();

    Kontext& m_k;
    QLineEdit* m_pin;
};

// Shows the login until a staff member has logged in (true, k.werte.kellner set).
// While it is open the main window shows no waiter; afterwards it shows the one
// logged in. Closing it answers false and ends the program's event loop.
bool AnmeldungZeigen(Kontext& k, QWidget* eltern);
