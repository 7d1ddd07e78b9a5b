#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidget>

#include "core/MDIHauptmenu.h"
#include "service/frmLink.h"
#include "service/frmLinkEinsetzen.h"
#include "support/DemoKontext.h"

namespace {

class Verwaltungspanels : public ::testing::Test, public DemoKontext {
  protected:
    Verwaltungspanels() : hauptmenu(k) {
        k.werte.kellner = "Tom Berger";
        link = LandeseiteEinsetzen(k, hauptmenu);
        hauptmenu.resize(1280, 800);
        hauptmenu.show();
    }
    void knopf(const QString& bereich) {
        for (QPushButton* b : link->findChildren<QPushButton*>("cmdVerwaltungLink"))
            if (b->property("tag").toString() == bereich) b->click();
    }

    MDIHauptmenu hauptmenu;
    frmLink* link = nullptr;
};

}  // namespace

TEST_F(Verwaltungspanels, TheAdministrationButtonsOpenTheStaffListAndTheStationEditor) {
    k.werte.kellner = "Maria Huber";
    knopf("Mitarbeiterverwaltung");
    auto* liste = link->findChild<QTreeWidget*>("ListViewKellner");
    ASSERT_TRUE(liste->isVisible());
    EXPECT_EQ(liste->currentItem()->text(0), "Maria Huber");

    k.werte.station = "Biergarten";
    knopf("Stationsverwaltung");
    auto* reiter = link->findChild<QTabWidget*>("SSTabStationen");
    ASSERT_TRUE(reiter->isVisible());
    EXPECT_EQ(reiter->currentIndex(), 0);
    EXPECT_EQ(link->findChild<QTreeWidget*>("ListViewStationen")->currentItem()->text(0),
              "Biergarten");
    EXPECT_EQ(dialoge.meldungen, QStringList());
}
