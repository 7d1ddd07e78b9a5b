#pragma once

#include <QWidget>

class Kontext;
class QTabWidget;
class QTreeWidget;
class Bodenplan;

// The station editor: the list of stations on its first tab, the chosen
// station's floor plan on the second, where table tiles are moved and resized
// with the pointer or a finger; each tile is stored when it is let go.
class frmStationen : public QWidget {
    Q_OBJECT
  public:
    explicit frmStationen(Kontext& k, QWidget* eltern = nullptr);

    void ListeFuelen();

  protected:
    // Opens on the list, with the current station chosen and its tiles loaded.
    void showEvent(QShowEvent* ereignis) override;

  private:
    void reiterGewechselt(int reiter);
    // The chosen entry becomes the till's current station, with its floor picture.
    void StationUebernehmen();
    void TischeLaden();

    Kontext& k;
    QTabWidget* SSTabStationen;
    QTreeWidget* ListViewStationen;
    Bodenplan* imgLokal;
};
