#pragma once

#include <QWidget>

class Kontext;
class Druckerausgang;
class QGridLayout;

// The administration panel "Drucker": one row per printer role with the
// printer it prints on (a CUPS queue, "PDF-Ordner" or "kein Drucker"), a
// "Testdruck" key and, in red, what keeps the printer from printing. A choice is stored as soon as
// it is made.
class frmDrucker : public QWidget {
    Q_OBJECT
  public:
    frmDrucker(Kontext& k, const Druckerausgang& ausgang, QWidget* eltern = nullptr);

    // Reads the roles and choices again (the catalogue may have new roles).
    void laden();

  protected:
    void showEvent(QShowEvent* ereignis) override;

  private:
    void zeileAnlegen(int zeile, const QString& rolle, const QStringList& wahl);

    Kontext& k;
    const Druckerausgang& m_ausgang;
    QGridLayout* m_raster;
};
