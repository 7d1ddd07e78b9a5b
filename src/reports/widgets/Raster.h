#pragma once

#include <QTableWidget>
#include <vector>

#include "reports/Tabelle.h"

// A read-only grid of query rows for a finger: whole rows are chosen, amounts
// (columns named in `geldspalten`) show as "1.234,56 €" on the right, the ID
// column stays hidden unless asked, columns share the width by the given parts.
class Raster : public QTableWidget {
  public:
    explicit Raster(const QString& name, bool idZeigen = false, QWidget* eltern = nullptr);

    void fuellen(const Tabelle& tabelle, const QStringList& geldspalten,
                 const std::vector<double>& anteile = {});
    // Makes the last row current and scrolls to it.
    void zumEnde();

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void breitenSetzen();
    bool m_idZeigen;
    std::vector<double> m_anteile;
};
