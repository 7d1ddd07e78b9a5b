#pragma once

#include <QDialog>
#include <functional>

class Kontext;
class Druckerausgang;
class QComboBox;
class QTableWidget;

// The job list behind the printer mark: every job not printed yet, in print
// order, with its printer, last error and what keeps its printer (the CUPS
// queue's state), then the printed ones; the keys
// "Erneut drucken", "Auf anderen Drucker umleiten" (to the printer chosen
// beside it) and "Als PDF speichern" act on the selected job.
class frmDruckauftraege : public QDialog {
    Q_OBJECT
  public:
    frmDruckauftraege(Kontext& k, const Druckerausgang& ausgang, std::function<void()> anstossen,
                      QWidget* eltern = nullptr);

    void laden();

  private:
    // The selected job's number, 0 when none is selected.
    std::int64_t gewaehlt() const;
    template <typename Aktion>
    void mitAuftrag(Aktion aktion);

    Kontext& k;
    const Druckerausgang& m_ausgang;
    std::function<void()> m_anstossen;
    QTableWidget* m_liste;
    QComboBox* m_ziel;
};
