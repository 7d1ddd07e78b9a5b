#pragma once

#include <QGroupBox>
#include <functional>

#include "hotel/Gaeste.h"

class Kontext;
class QComboBox;
class QLineEdit;
class QListWidget;

// The guests part of the hotel screen: check-in of the room chosen above, the
// rooms in house, check-out of the marked rooms onto one hotel bill, and the
// reprint of a written one.
class frmGaeste : public QGroupBox {
    Q_OBJECT

  public:
    // `zimmer` answers the room, dates and prices as the hotel screen shows them.
    frmGaeste(Kontext& k, std::function<Anreisedaten()> zimmer, QWidget* eltern = nullptr);

    // Lists the rooms in house again.
    void aktualisieren();

  private:
    void anreise();
    void abreise();
    void nachdrucken();

    Kontext& m_k;
    std::function<Anreisedaten()> m_zimmer;
    QLineEdit* m_gast;
    QLineEdit* m_adresse;
    QListWidget* m_imHaus;
    QComboBox* m_zahlungsart;
};
