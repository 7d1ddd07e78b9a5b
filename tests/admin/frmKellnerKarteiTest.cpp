#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "admin/frmKellnerKartei.h"
#include "core/Rechte.h"
#include "support/DbTest.h"

using frmKellnerKarteiBildschirm = DbTest;

TEST_F(frmKellnerKarteiBildschirm, TypedDataAndCoupledBoxesAreSaved) {
    frmKellnerKartei fenster(*k, Karteimodus::NeuerMitarbeiterUneingeschrenkt, 0);
    fenster.show();
    QTest::keyClicks(fenster.findChild<QLineEdit*>("txtVorname"), "Eva");
    QTest::keyClicks(fenster.findChild<QLineEdit*>("txtNachname"), "O'Neill");
    QTest::keyClicks(fenster.findChild<QLineEdit*>("txtPin1"), "4711");

    auto* verwaltung = fenster.findChild<QCheckBox*>("CheckVerwaltung2");
    auto* eigene = fenster.findChild<QCheckBox*>("CheckVerwaltung5");
    EXPECT_FALSE(eigene->isEnabled());
    QTest::mouseClick(verwaltung, Qt::LeftButton);
    EXPECT_TRUE(eigene->isEnabled());
    EXPECT_TRUE(eigene->isChecked());

    // Pin 2 is still missing: the window stays open and nothing is stored.
    QTest::mouseClick(fenster.findChild<QPushButton*>("cmdSpeichern"), Qt::LeftButton);
    EXPECT_EQ(dialoge.meldungen, QStringList{"Es muss 'Pin2' ins Feld eingegeben werden"});
    EXPECT_TRUE(fenster.isVisible());

    QTest::keyClicks(fenster.findChild<QLineEdit*>("txtPin2"), "0815");
    QTest::mouseClick(fenster.findChild<QPushButton*>("cmdSpeichern"), Qt::LeftButton);
    EXPECT_EQ(fenster.result(), QDialog::Accepted);
    EXPECT_TRUE(
        RechteAbfrage(*k, "Eva O'Neill", "MitarbeiterVerwaltungSeineKarteiPersoenlicheDaten"));
    EXPECT_TRUE(RechteAbfrage(*k, "Eva O'Neill", "AndereMitarbeiterSperren"));
    EXPECT_FALSE(RechteAbfrage(*k, "Eva O'Neill", "MitarbeiterVerwaltungUneingeschrenkt"));
}
