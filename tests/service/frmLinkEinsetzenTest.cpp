#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include "admin/frmBetrieb.h"
#include "core/MDIHauptmenu.h"
#include "druck/Druckarbeiter.h"
#include "druck/frmDruckEinsetzen.h"
#include "service/frmLink.h"
#include "service/frmLinkEinsetzen.h"
#include "service/frmRaum.h"
#include "support/DemoKontext.h"
#include "support/Modal.h"
#include "support/Testausgang.h"

namespace {

class Einsetzen : public ::testing::Test, public DemoKontext {
  protected:
    Einsetzen() : hauptmenu(k) {
        k.werte.kellner = "Tom Berger";
        link = LandeseiteEinsetzen(k, hauptmenu);
        hauptmenu.resize(1280, 800);
        hauptmenu.show();
    }
    QString gezeigt() { return hauptmenu.inhalt()->currentWidget()->objectName(); }

    MDIHauptmenu hauptmenu;
    frmLink* link = nullptr;
};

}  // namespace

TEST_F(Einsetzen, ATableTypedOnTheKeypadOpensTheOrderScreenAndLeavingComesBack) {
    EXPECT_EQ(gezeigt(), QStringLiteral("frmLink"));
    EXPECT_EQ(k.werte.station, QStringLiteral("Gastraum"));
    QWidget* menuKnopf = hauptmenu.findChild<QToolButton*>("imgMenu");
    EXPECT_TRUE(menuKnopf->isVisible());

    QTest::keyClick(link->raum(), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(link->raum(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dialoge.meldungen, QStringList());
    EXPECT_EQ(k.werte.tisch, QStringLiteral("5"));
    EXPECT_EQ(gezeigt(), QStringLiteral("frmBestellung"));
    EXPECT_FALSE(menuKnopf->isVisible());
    EXPECT_FALSE(link->raum()->isVisible());

    QTest::mouseClick(hauptmenu.findChild<QPushButton*>("cmdTastenMenu1_84"), Qt::LeftButton);
    EXPECT_EQ(gezeigt(), QStringLiteral("frmLink"));
    EXPECT_TRUE(menuKnopf->isVisible());
    EXPECT_TRUE(link->raum()->isVisible());
}

TEST_F(Einsetzen, TheManagerReachesTheStationEditorAndTheStaffList) {
    k.werte.kellner = "Maria Huber";
    ImModalFenster(link, [](QWidget* pin2) {
        auto* feld = pin2->findChild<QLineEdit*>("txtPin2");
        QTest::keyClicks(feld, "1234");
        QTest::keyClick(feld, Qt::Key_Return);
    });
    QTest::mouseClick(link->findChild<QWidget*>("lblOberflaecheLink2"), Qt::LeftButton);
    const QList<QPushButton*> bereiche = link->findChildren<QPushButton*>("cmdVerwaltungLink");
    ASSERT_EQ(bereiche.size(), 8);
    QTest::mouseClick(bereiche[0], Qt::LeftButton);
    EXPECT_TRUE(link->findChild<QWidget*>("frmStationen")->isVisible());
    QTest::mouseClick(bereiche[1], Qt::LeftButton);
    EXPECT_TRUE(link->findChild<QWidget*>("frmKellner")->isVisible());
    EXPECT_FALSE(link->findChild<QWidget*>("frmStationen")->isVisible());

    // The printers: their panel behind the last key, their mark in the foot bar.
    const Testausgang ausgang({"Bondrucker"});
    Druckarbeiter arbeiter(*db, ausgang, uhr.jetzt().date());
    DruckenEinsetzen(k, hauptmenu, *link, 7, ausgang, arbeiter);
    QTest::mouseClick(bereiche[6], Qt::LeftButton);
    EXPECT_EQ(bereiche[6]->text(), "Drucker");
    EXPECT_TRUE(link->findChild<QWidget*>("frmDrucker")->isVisible());
    EXPECT_TRUE(hauptmenu.findChild<QToolButton*>("cmdDruckermarke")->isVisible());
    link->setzePanel(8, new frmBetrieb(k));
    QTest::mouseClick(bereiche[7], Qt::LeftButton);
    EXPECT_EQ(bereiche[7]->text(), "Betrieb");
    EXPECT_TRUE(link->findChild<QWidget*>("frmBetrieb")->isVisible());
    EXPECT_EQ(dialoge.meldungen, QStringList());
}
