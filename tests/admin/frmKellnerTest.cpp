#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>

#include "admin/frmKellner.h"
#include "core/Rechte.h"
#include "support/DbTest.h"

using frmKellnerBildschirm = DbTest;

TEST_F(frmKellnerBildschirm, TouchingAStationCellStoresItAndARefusedLockSpringsBack) {
    station("Gastraum");
    station("Biergarten");
    kellner("Leiter", "1", "11", {"StationAktivierenDeaktivieren", "AndereMitarbeiterSperren"});
    kellner("Tom", "2", "22", {}, "deaktiviert");
    k->werte.kellner = "Leiter";
    int pin2 = 0;
    frmKellner fenster(*k, [&] { return ++pin2, true; });
    fenster.resize(1000, 600);
    fenster.show();

    auto* liste = fenster.findChild<QTreeWidget*>("ListViewKellner");
    ASSERT_EQ(liste->topLevelItemCount(), 2);
    EXPECT_EQ(liste->currentItem()->text(0), "Leiter");  // the current waiter is chosen
    QTreeWidgetItem* tom = liste->topLevelItem(1);
    EXPECT_EQ(tom->text(2), "deaktiviert");

    const QRect zeile = liste->visualItemRect(tom);
    const QPoint zelle(liste->header()->sectionViewportPosition(2) + 10, zeile.center().y());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zelle);
    EXPECT_EQ(tom->text(2), "aktiviert");
    EXPECT_TRUE(RechteAbfrage(*k, "Tom", "Biergarten"));
    EXPECT_FALSE(RechteAbfrage(*k, "Tom", "Gastraum"));
    EXPECT_EQ(pin2, 0);

    // Unticking the only active entry is refused and the box is put back.
    liste->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(liste->topLevelItem(0)->checkState(0), Qt::Checked);
    EXPECT_EQ(dialoge.meldungen, QStringList{"Es muss mindestes ein Kellner aktiv sein"});
    // Ticking Tom asks the second PIN and stores.
    tom->setCheckState(0, Qt::Checked);
    EXPECT_EQ(pin2, 1);
    Abfrage a = db->abfrage("SELECT Status FROM Kellner WHERE Mitarbeiter = 'Tom'");
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.text(0), "aktiviert");
}
