#include <QTabWidget>
#include <QTest>

#include "admin/frmStationen.h"
#include "service/Raumdaten.h"
#include "support/DbTest.h"

using frmStationenBildschirm = DbTest;

TEST_F(frmStationenBildschirm, ChoosingAStationAndResizingATileStoresIt) {
    station("Gastraum", {"1"});
    station("Biergarten", {"20", "21"});
    // A panel smaller than the floor shows it shrunk; tiles still store floor units.
    for (const QSize groesse : {QSize(1100, 800), QSize(640, 480)}) {
        SCOPED_TRACE(groesse.width());
        k->werte.station = "Gastraum";
        frmStationen fenster(*k);
        fenster.resize(groesse);
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
        const Tischposition vorher = TischeLesen(*db, "Biergarten")[0];
        const double s = kachel->width() / double(vorher.breite);
        EXPECT_NEAR(kachel->x(), vorher.links * s, 1.0);
        EXPECT_NEAR(kachel->y(), vorher.oben * s, 1.0);
        EXPECT_NEAR(kachel->height(), vorher.hoehe * s, 1.0);
        EXPECT_TRUE(fenster.findChild<QWidget*>("imgLokal")->rect().contains(kachel->geometry()));

        // Grab the right edge and pull it 20 px to the right.
        const QPoint griff(kachel->width() - 4, kachel->height() / 2);
        QTest::mousePress(kachel, Qt::LeftButton, {}, griff);
        QTest::mouseMove(kachel, griff + QPoint(20, 0));
        QTest::mouseRelease(kachel, Qt::LeftButton, {}, griff + QPoint(20, 0));
        const Tischposition gespeichert = TischeLesen(*db, "Biergarten")[0];
        EXPECT_NEAR(gespeichert.breite, vorher.breite + 16 / s, 1.0);
        EXPECT_NEAR(gespeichert.hoehe, vorher.hoehe, 1.0);
        EXPECT_NEAR(gespeichert.links, vorher.links, 1.0);
    }
}
