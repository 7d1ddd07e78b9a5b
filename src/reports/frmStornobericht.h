#pragma once

#include <QDate>
#include <QDialog>

class Kontext;
class QLabel;
class Raster;

// The cancelled lines of a range for everybody ("alle Kellner") or one staff
// member, with the total cancelled value below.
class frmStornobericht : public QDialog {
  public:
    frmStornobericht(Kontext& k, const QDate& von, const QDate& bis, const QString& kellner,
                     QWidget* eltern = nullptr);

  private:
    Raster* DataGrid1;
    QLabel* lblTischStorno;
};
