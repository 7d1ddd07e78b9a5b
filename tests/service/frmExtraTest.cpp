#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "service/Eintragen.h"
#include "service/Extras.h"
#include "service/frmBestellung.h"
#include "service/frmExtra.h"
#include "service/frmTastenMenu1.h"
#include "service/frmTisch.h"
#include "support/DbTest.h"

namespace {

class Extrafenster : public DbTest {
  protected:
    Extrafenster() {
        station("Gastraum", {"1"});
        kellner("Tom", "2000");
        artikel("12", "Pils", 350);
        artikel("20", "Schnitzel", 1290, "Hauptgerichte", "Speisen", "Küchendrucker", true);
        artikel("501", "Pommes", 350, "Extra", "Speisen", "Küchendrucker");
        artikel("502", "Salat", 280, "Extra", "Speisen", "Küchendrucker");
        amTisch("Tom", "Gastraum", "1");
    }

    std::int64_t zeileVon(const QString& plu) {
        auto a = db->abfrage(QStringLiteral("SELECT ID FROM OffeneTische WHERE PLU = ?"), plu);
        return a.naechste() ? a.zahl(0) : 0;
    }
    QStringList gerichte() {
        QStringList liste;
        auto a = db->abfrage(QStringLiteral("SELECT Gericht, Extra FROM OffeneTische ORDER BY ID"));
        while (a.naechste()) liste << a.text(0) + QLatin1Char('/') + a.text(1);
        return liste;
    }
    static void tippen(QTreeWidget* liste, int reihe) {
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->topLevelItem(reihe)).center());
    }
    static void druecken(QWidget* fenster, const char* name) {
        fenster->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
};

TEST_F(Extrafenster, TicksAddExtrasOnceAndAnExtraAlreadyChosenIsRefused) {
    ASSERT_TRUE(GerichtEintragen(*k, "20", "2"));
    const auto id = zeileVon("20");
    {
        frmExtra fenster(*k, id, id);
        fenster.show();
        EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Extra"));
        auto* liste = fenster.findChild<QTreeWidget*>("ListViewExtra");
        ASSERT_EQ(liste->topLevelItemCount(), 2);
        EXPECT_EQ(liste->topLevelItem(1)->text(1), QStringLiteral("Salat"));
        tippen(liste, 0);
        tippen(liste, 1);
        tippen(liste, 1);  // a second touch takes the tick away
        EXPECT_EQ(liste->topLevelItem(0)->checkState(0), Qt::Checked);
        EXPECT_EQ(liste->topLevelItem(1)->checkState(0), Qt::Unchecked);
        druecken(&fenster, "cmdOk");
        EXPECT_EQ(fenster.result(), QDialog::Accepted);
    }
    EXPECT_EQ(gerichte(), QStringList({"Schnitzel/Ja", "+ 2x Pommes/Ja"}));

    frmExtra fenster(*k, id, id);
    fenster.show();
    auto* liste = fenster.findChild<QTreeWidget*>("ListViewExtra");
    tippen(liste, 0);
    EXPECT_EQ(dialoge.meldungen, QStringList{"'Pommes' ist für dieses Gericht bereits gewählt"});
    EXPECT_EQ(liste->topLevelItem(0)->checkState(0), Qt::Unchecked);
    tippen(liste, 1);
    druecken(&fenster, "cmdAbbrechen");
    EXPECT_EQ(gerichte().size(), 2);
}

TEST_F(Extrafenster, OkWithoutATickLeavesTheLineWithoutExtras) {
    ASSERT_TRUE(GerichtEintragen(*k, "20", "1"));
    frmExtra fenster(*k, zeileVon("20"), zeileVon("20"));
    fenster.show();
    druecken(&fenster, "cmdOk");
    EXPECT_EQ(gerichte(), QStringList{"Schnitzel/Nein"});
}

TEST_F(Extrafenster, TheExtraKeyOpensTheWindowOnlyForANewLineThatTakesExtras) {
    frmBestellung bildschirm(*k);
    bildschirm.show();
    bildschirm.oeffnen();
    int geoeffnet = 0;
    auto versuchen = [&] {
        // Closes the window if one opened, so a wrong opening cannot hang the test.
        QTimer::singleShot(0, [&] {
            if (auto* fenster = qobject_cast<frmExtra*>(QApplication::activeModalWidget())) {
                ++geoeffnet;
                druecken(fenster, "cmdAbbrechen");
            }
        });
        bildschirm.funktionstasten().TastenMenu1(69);
        QApplication::processEvents();
    };
    ASSERT_TRUE(GerichtEintragen(*k, "12", "1"));
    bildschirm.tisch().anzeigen("Neu");
    versuchen();  // a beer takes no extras
    EXPECT_EQ(geoeffnet, 0);
    ASSERT_TRUE(GerichtEintragen(*k, "20", "1"));
    bildschirm.tisch().anzeigen("Neu");
    bildschirm.tisch().neuesteZeileMarkieren();
    versuchen();
    EXPECT_EQ(geoeffnet, 1);
    db->ausfuehren(QStringLiteral("UPDATE OffeneTische SET TischDetails = 'Alt'"));
    bildschirm.tisch().anzeigen("Alt");
    bildschirm.tisch().neuesteZeileMarkieren();
    versuchen();  // a sent line
    EXPECT_EQ(geoeffnet, 1);
}

}  // namespace
