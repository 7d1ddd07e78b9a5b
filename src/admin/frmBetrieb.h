#pragma once

#include <QWidget>

class Kontext;
class QLineEdit;

// The administration panel "Betrieb": the establishment's name, address,
// telephone, tax number and VAT ID, the till's serial number and the backup
// folder, stored together with "Speichern".
class frmBetrieb : public QWidget {
    Q_OBJECT
  public:
    explicit frmBetrieb(Kontext& k, QWidget* eltern = nullptr);

    void laden();
    void speichern();

  protected:
    void showEvent(QShowEvent* ereignis) override;

  private:
    Kontext& k;
    QLineEdit *txtName, *txtAdresszeile, *txtTelefon, *txtSteuernummer, *txtUStIdNr,
        *txtKassenseriennummer, *txtSicherungsordner;
};
