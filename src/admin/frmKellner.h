#pragma once

#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

class Kontext;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The staff list: one entry per staff member with its lock box and one column
// per station. Refilled whenever it is shown, with the current waiter selected.
class frmKellner : public QWidget {
    Q_OBJECT
  public:
    // pin2 asks the current waiter's second PIN and answers whether it was right.
    frmKellner(Kontext& k, std::function<bool()> pin2, QWidget* eltern = nullptr);

    void ListViewKellnerFuelen();

  protected:
    void showEvent(QShowEvent* ereignis) override;

  private:
    std::optional<std::int64_t> gewaehlt() const;
    void auswaehlen(std::int64_t id);
    void auswahlGeaendert();
    void sperreGeaendert(QTreeWidgetItem* eintrag, int spalte);
    void zelleBeruehrt(QTreeWidgetItem* eintrag, int spalte);
    void stationAnzeigen(QTreeWidgetItem* eintrag, int spalte, bool an);
    void neuerMitarbeiter();
    void bearbeiten();
    void loeschen();

    Kontext& k;
    std::function<bool()> m_pin2;
    QTreeWidget* ListViewKellner;
    QMenu* mnuMitarbeiter;
    QAction *mnuBearbeiten, *mnuLoeschen;
    QPushButton *cmdBearbeiten, *cmdLoeschen;
    QStringList m_stationen;
    bool m_fuellt = false;
};
