#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "druck/Druckauftraege.h"
#include "druck/Druckrollen.h"
#include "druck/Druckwarteschlange.h"
#include "druck/Testseite.h"
#include "druck/frmDruckauftraege.h"
#include "druck/frmDrucker.h"
#include "druck/widgets/Druckermarke.h"
#include "support/DbTest.h"
#include "support/Testausgang.h"

namespace {

class DruckerSchirme : public DbTest {
  protected:
    DruckerSchirme() : queue(*db, uhr, [this] { ++angestossen; }), kasse(*db, uhr, dialoge, queue) {
        artikel("1", "Pils", 350);
        kellner("Tom", "2000");
        kasse.werte.kellner = "Tom";
    }
    Testausgang ausgang{{"Theke", "Küche"}, "Theke"};
    int angestossen = 0;
    Druckwarteschlange queue;
    Kontext kasse;
};

TEST_F(DruckerSchirme, ThePanelMapsEachRoleAndPrintsATestPage) {
    frmDrucker panel(kasse, ausgang);
    panel.show();
    const auto wahlen = panel.findChildren<QComboBox*>("cboDrucker");
    ASSERT_EQ(wahlen.size(), 3);
    EXPECT_EQ(wahlen[0]->property("rolle").toString(), "Thekendrucker");
    EXPECT_EQ(wahlen[0]->currentText(), "Theke");  // the default
    QStringList angeboten;
    for (int i = 0; i < wahlen[1]->count(); ++i) angeboten << wahlen[1]->itemText(i);
    EXPECT_EQ(angeboten, QStringList({"Theke", "Küche", "PDF-Ordner", "kein Drucker"}));

    wahlen[2]->setCurrentIndex(2);
    Q_EMIT wahlen[2]->textActivated(wahlen[2]->currentText());
    EXPECT_EQ(GewaehlterDrucker(*db, "Berichte"), "PDF-Ordner");

    panel.findChildren<QPushButton*>("cmdTestdruck")[2]->click();
    EXPECT_EQ(angestossen, 1);
    const auto auftraege = DruckauftraegeLesen(*db, ausgang);
    ASSERT_EQ(auftraege.size(), 1u);
    EXPECT_EQ(auftraege[0].titel, "Testdruck");
    EXPECT_EQ(auftraege[0].drucker, "PDF-Ordner");
}

TEST_F(DruckerSchirme, TheJobListRedirectsTheSelectedJobAndTheMarkTurnsRed) {
    ausgang.stoeren("Theke", true);
    queue.drucken(Testseite("Thekendrucker", "Theke", uhr.jetzt()));
    DruckauftraegeAbarbeiten(*db, ausgang);

    frmDruckauftraege liste(kasse, ausgang, [this] { ++angestossen; });
    auto* raster = liste.findChild<QTableWidget*>("grdAuftraege");
    ASSERT_EQ(raster->rowCount(), 1);
    EXPECT_EQ(raster->item(0, 3)->text(), "Theke");
    EXPECT_EQ(raster->item(0, 5)->text(), "Papierende");
    raster->selectRow(0);
    liste.findChild<QComboBox*>("cboZiel")->setCurrentText("Küche");
    liste.findChild<QPushButton*>("cmdUmleiten")->click();
    EXPECT_EQ(angestossen, 2);
    EXPECT_EQ(raster->item(0, 3)->text(), "Küche");
    EXPECT_EQ(raster->item(0, 4)->text(), kAuftragWartet);

    Druckermarke marke;
    const Druckstand stand = DruckstandLesen(*db);
    marke.setzeStand(stand.wartend, 1);
    EXPECT_TRUE(marke.rot());
    EXPECT_EQ(marke.text(), "Drucker: 1");
    marke.setzeStand(0, 0);
    EXPECT_FALSE(marke.rot());
    EXPECT_EQ(marke.text(), "Drucker");
}

}  // namespace
