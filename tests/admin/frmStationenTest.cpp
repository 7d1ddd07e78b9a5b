#include <QTabWidget>
#include <QTest>

#include "admin/frmStationen.h"
#include "service/Raumdaten.h"
#include "support/DbTest.h"

using frmStationenBildschirm = DbTest;

TEST_F(frmStationenBildschirm, ChoosingAStationAndResizingATileStoresIt) {
    station("Gastraum", {"1"});
    station("Biergarten", {"20", "21"});
    k->werte.station = "Gastraum";
    frmStationen fenster(*k);
    fenster.resize(1100, 800);
    fenster.show();

    auto* reiter = fenster.findChild<QTabWidget*>("SSTabStationen");
    EXPECT_EQ(reiter->currentIndex(), 0);
    auto* liste = fenster.findChild<QTreeWidget*>("ListViewStationen");
    liste->setCurrentItem(liste->topLevelItem(1));
    reiter->setCurrentIndex(1);
    EXPECT_EQ(k->werte.station, "Biergarten");

    QList<QWidget*> kacheln = fenster.findChildren<QWidget*>("picTisch");
    ASSERT_EQ(kacheln.size(), 2);
    QWidget* kachel = kacheln[0];
    ASSERT_EQ(kachel->geometry(), QRect(10, 20, 80, 80));

    // Grab the right edge and pull it to the left.
    QTest::mousePress(kachel, Qt::LeftButton, {}, QPoint(76, 40));
    QTest::mouseMove(kachel, QPoint(50, 40));
    QTest::mouseRelease(kachel, Qt::LeftButton, {}, QPoint(50, 40));
    EXPECT_EQ(kachel->width(), 50);
    const Tischposition gespeichert = TischeLesen(*db, "Biergarten")[0];
    EXPECT_EQ(gespeichert.breite, 50);
    EXPECT_EQ(gespeichert.hoehe, 80);
    EXPECT_EQ(gespeichert.links, 10);
}
