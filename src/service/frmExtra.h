#pragma once

#include <QDialog>
#include <cstdint>

class Kontext;
class QTreeWidget;
class QTreeWidgetItem;

// The extras window: every extra with a tick box; "Ok" adds the ticked ones
// under the selected line, "Abbrechen" leaves it unchanged.
class frmExtra : public QDialog {
    Q_OBJECT
  public:
    // zeilenId and regId are those of the selected line.
    frmExtra(Kontext& k, std::int64_t zeilenId, std::int64_t regId, QWidget* eltern = nullptr);

  private:
    void angetippt(QTreeWidgetItem* eintrag);
    void ok();

    Kontext& m_k;
    std::int64_t m_zeilenId;
    std::int64_t m_regId;
    QTreeWidget* m_liste;
};
