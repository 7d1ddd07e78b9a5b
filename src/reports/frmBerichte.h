#pragma once

#include <QWidget>

class Kontext;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTreeWidget;

// The report chooser: the list of reports, and for the chosen one its date
// range (and waiter) with the button that shows it.
class frmBerichte : public QWidget {
  public:
    explicit frmBerichte(Kontext& k, QWidget* eltern = nullptr);

    // Adapts the panel to a report name; unknown names only change the label.
    void VorschauDefinieren(const QString& bericht);

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void BerichteTreeView();
    void ComboKellnerfuelen();
    void datumGeaendert(bool start);
    void anzeigen();

    Kontext& k;
    QTreeWidget* TreeViewBerichte;
    QLabel* lblBericht;
    QWidget* PictureBerichte;
    QDateEdit* DTPickerStartdatum;
    QDateEdit* DTPickerEnddatum;
    QLabel* lblKellner;
    QComboBox* ComboKellner;
    QPushButton* cmdDrucken;
};
