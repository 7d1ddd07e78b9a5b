#pragma once

#include <QDialog>

#include "reports/Rechnungsuebersicht.h"

class Kontext;
class QButtonGroup;
class QDateEdit;
class Raster;

// "Rechnungsübersicht": the stored bills of a range, the lines of the chosen
// one, its reprint, and the record of a different payment type.
class frmRechnungsuebersicht : public QDialog {
  public:
    frmRechnungsuebersicht(Kontext& k, QWidget* eltern = nullptr);

    // The menu entry: opens the screen modally after the rights check.
    static void Zeigen(Kontext& k, QWidget* eltern);

  private:
    void listeZeigen(const Tabelle& rechnungen);
    void zeileGewaehlt();
    void datumGeaendert(bool von);
    void optionGewaehlt(int option);

    Kontext& k;
    Tabelle m_rechnungen;
    Zahlartwahl m_wahl;
    QDateEdit* DTPickerVon;
    QDateEdit* DTPickerBis;
    Raster* DataGrid1;
    Raster* DataGrid2;
    QButtonGroup* Option1;
};
