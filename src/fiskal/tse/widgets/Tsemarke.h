#pragma once

#include <QLabel>

class Datenbank;
class Tsearbeiter;

// The TSE's mark in the foot bar, beside the printers': red "TSE" while the
// device is out (as the journal last recorded or the device last answered),
// plain while it signs.
class Tsemarke : public QLabel {
    Q_OBJECT
  public:
    Tsemarke(Datenbank& db, Tsearbeiter& arbeiter, QWidget* eltern = nullptr);

    void setzeBereit(bool bereit);
};
