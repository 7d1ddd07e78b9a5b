#pragma once

#include <QDialog>
#include <cstdint>

class Kontext;
class QLineEdit;

// "Hauptaste": text and row of one main key. Modal; accepted once saved.
class frmHaupttaste : public QDialog {
    Q_OBJECT
  public:
    frmHaupttaste(Kontext& k, std::int64_t id, QWidget* eltern = nullptr);

    QString haupttaste() const;

  private:
    void speichern();

    Kontext& k;
    std::int64_t m_id;
    QLineEdit *txtHaupttaste, *txtReihe;
};
