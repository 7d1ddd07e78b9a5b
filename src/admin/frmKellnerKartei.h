#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

#include "admin/Kellnerkartei.h"
#include "admin/Rechtekaestchen.h"

class Kontext;
class QCheckBox;
class QLineEdit;

// "Kellnerkartei": personal data, PINs and, in the unrestricted modes, the
// three tabs of rights boxes of one staff member. Modal; accepted once saved.
class frmKellnerKartei : public QDialog {
    Q_OBJECT
  public:
    // id is the edited row; ignored for the two new modes.
    frmKellnerKartei(Kontext& k, Karteimodus modus, std::int64_t id, QWidget* eltern = nullptr);

  private:
    struct Gruppe {
        Rechtegruppe art;
        Kaestchenreihe reihe;
        std::vector<QCheckBox*> boxen;
    };

    QWidget* persoenlicheDaten();
    QWidget* rechteseite(Gruppe& g, const QStringList& beschriftungen, const QString& name);
    void laden();
    void anzeigen(Gruppe& g);
    void speichern();

    Kontext& k;
    Karteimodus m_modus;
    std::int64_t m_id;
    QLineEdit *txtVorname, *txtNachname, *txtStrasse, *txtOrt, *txtLand, *txtTelefon, *txtMobil,
        *txtEmail, *txtPin1, *txtPin2;
    std::array<Gruppe, 3> m_gruppen;
};
