#pragma once

#include <QDialog>

class Kontext;
class QComboBox;
class QLineEdit;

// "Warengruppe": the group form, new under a main group or opened from a
// group of the tree. Modal; accepted once saved.
class frmWarengruppe : public QDialog {
    Q_OBJECT
  public:
    // A new group; `alterName` empty. Otherwise the group of that name.
    frmWarengruppe(Kontext& k, const QString& hauptwarengruppe, const QString& alterName,
                   QWidget* eltern = nullptr);

    QString warengruppe() const;

  private:
    void WarengruppeBearbeitenZeigen();
    void speichern();

    Kontext& k;
    QString m_alterName;
    QLineEdit *txtHauptwarengruppen, *txtWarengruppe;
    QComboBox *ComboStationsDrucker, *ComboBonDrucker;
};
