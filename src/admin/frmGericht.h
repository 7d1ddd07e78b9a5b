#pragma once

#include <QDialog>

#include "admin/Artikelverwaltung.h"

class Kontext;
class QCheckBox;
class QComboBox;
class QLineEdit;

// "Gericht": the article form, new or opened from an article of the list.
// Modal; accepted once saved.
class frmGericht : public QDialog {
    Q_OBJECT
  public:
    // A new article of the group.
    frmGericht(Kontext& k, const QString& warengruppe, QWidget* eltern = nullptr);
    // The article listed under `plu`, saved with that as its old PLU.
    frmGericht(Kontext& k, const QString& warengruppe, const QString& plu,
               QWidget* eltern = nullptr);

    QString warengruppe() const;

  private:
    void aufbauen(const QString& warengruppe);
    void ArtikelBearbeitenZeigen();
    void speichern();

    Kontext& k;
    QString m_altePLU;  // empty when new
    QLineEdit *txtPLU, *txtWarengruppe, *txtGericht, *txtEPREIS, *txtMwSt;
    QComboBox *ComboStationsDrucker, *ComboBonDrucker;
    QCheckBox* Check1;
};
