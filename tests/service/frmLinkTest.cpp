#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include "service/frmLink.h"
#include "service/frmRaum.h"
#include "support/DbTest.h"
#include "support/Modal.h"
#include "ui/widgets/TischKachel.h"

class LandingScreen : public DbTest {
  protected:
    LandingScreen() {
        station("Gastraum", {"1", "2"});
        station("Biergarten", {"20", "21", "22"});
        station("Außer Haus");
        station("Hotel");
        station("Terrasse", {"40"});
        for (const char* bereich :
             {"Stationen", "Mitarbeiter", "Speisekarte", "Direktwahl", "Kreditkarten", "Berichte"})
            db->ausfuehren(QStringLiteral("INSERT INTO Verwaltung (Verwaltung) VALUES (?)"),
                           bereich);
        link.setzeHotel(hotel);
        link.setzePanel(1, stationsPanel);
        link.resize(1280, 800);
        link.show();
    }
    void anmelden(const QString& name, const QStringList& rechte) {
        kellner(name, "1", "2", rechte);
        k->werte.kellner = name;
        link.laden();
    }
    QPushButton* knopf(const QString& art, const QString& text) {
        for (QPushButton* knopf : link.findChildren<QPushButton*>(art))
            if (knopf->text() == text) return knopf;
        return nullptr;
    }
    void klick(QWidget* widget) {
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    // Touches "Verwaltung" and answers the second-PIN window: the PIN, or
    // "Abbrechen" when it is empty.
    void verwaltung(const QString& pin2) {
        ImModalFenster(&link, [this, pin2](QWidget* fenster) {
            ++pinGefragt;
            if (pin2.isEmpty()) {
                QTest::mouseClick(fenster->findChild<QPushButton*>("cmdAbbrechen"), Qt::LeftButton);
                return;
            }
            auto* feld = fenster->findChild<QLineEdit*>("txtPin2");
            QTest::keyClicks(feld, pin2);
            QTest::keyClick(feld, Qt::Key_Return);
        });
        klick(link.findChild<QWidget*>("lblOberflaecheLink2"));
    }
    QWidget* bereich() { return link.findChild<QStackedWidget*>("stkBereich")->currentWidget(); }
    QStringList tische() {
        QStringList namen;
        for (TischKachel* kachel : link.raum()->kacheln()) namen << kachel->tag();
        return namen;
    }

    frmLink link{*k};
    QWidget* hotel = new QWidget;
    QWidget* stationsPanel = new QWidget;
    int pinGefragt = 0;
};

TEST_F(LandingScreen, StationsByPositionWithTheirRights) {
    anmelden("Tom", {"Gastraum", "Hotel"});
    QSignalSpy ueberschrift(&link, &frmLink::hotelUeberschrift);
    EXPECT_EQ(k->werte.station, QStringLiteral("Gastraum"));
    EXPECT_EQ(tische(), QStringList({"1", "2"}));
    EXPECT_EQ(bereich(), link.raum());

    // Refused: the station is current and its tiles stay on the floor view.
    klick(knopf("cmdStationenLink", "Biergarten"));
    EXPECT_EQ(dialoge.meldungen, QStringList{"Sie haben nicht die nötigen Rechte, um auf die "
                                             "Station 'Biergarten ' zuzugreifen"});
    EXPECT_EQ(k->werte.station, QStringLiteral("Biergarten"));
    EXPECT_EQ(tische(), QStringList({"20", "21", "22"}));
    EXPECT_EQ(bereich(), link.raum());
    EXPECT_TRUE(link.raum()->isVisible());

    klick(knopf("cmdStationenLink", "Hotel"));
    EXPECT_TRUE(bereich()->isAncestorOf(hotel));
    ASSERT_EQ(ueberschrift.count(), 1);
    EXPECT_EQ(ueberschrift.at(0).at(0).toString(), QStringLiteral("Hotel"));

    // A fifth station is not checked.
    klick(knopf("cmdStationenLink", "Terrasse"));
    EXPECT_EQ(bereich(), link.raum());
    EXPECT_EQ(tische(), QStringList{"40"});
    EXPECT_EQ(dialoge.meldungen.size(), 1);

    klick(knopf("cmdStationenLink", "Außer Haus"));  // a station without tiles
    EXPECT_TRUE(tische().isEmpty());
    EXPECT_EQ(dialoge.meldungen.size(), 2);
    EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());
}

TEST_F(LandingScreen, AdministrationNeedsTheSecondPinEachTimeAndTheAreaRight) {
    anmelden("Chef", {"Gastraum", "StationVerwaltung", "KreditkartenVerwaltung"});
    QWidget* stationen = link.findChild<QWidget*>("lblOberflaecheLink1");
    QPushButton* ersteStation = knopf("cmdStationenLink", "Gastraum");

    verwaltung(QString());
    EXPECT_EQ(pinGefragt, 1);
    EXPECT_TRUE(ersteStation->isVisible());
    EXPECT_EQ(bereich(), link.raum());

    verwaltung("2");
    EXPECT_EQ(pinGefragt, 2);
    EXPECT_FALSE(ersteStation->isVisible());
    EXPECT_TRUE(knopf("cmdVerwaltungLink", "Stationen")->isVisible());
    EXPECT_FALSE(link.raum()->isVisible());

    klick(knopf("cmdVerwaltungLink", "Stationen"));
    EXPECT_TRUE(bereich()->isAncestorOf(stationsPanel));
    klick(knopf("cmdVerwaltungLink", "Kreditkarten"));  // granted, but only hides the panels
    EXPECT_FALSE(stationsPanel->isVisible());
    EXPECT_FALSE(link.raum()->isVisible());
    klick(knopf("cmdVerwaltungLink", "Mitarbeiter"));
    EXPECT_EQ(dialoge.meldungen, QStringList{"Sie haben nicht die nötigen Rechte, um auf die "
                                             "Mitarbeiter-Verwaltung zuzugreifen"});
    EXPECT_FALSE(stationsPanel->isVisible());

    klick(stationen);
    EXPECT_TRUE(ersteStation->isVisible());
    EXPECT_EQ(bereich(), link.raum());
    verwaltung(QString());
    EXPECT_EQ(pinGefragt, 3);
    EXPECT_TRUE(ersteStation->isVisible());
}

TEST_F(LandingScreen, LockedAdministrationAsksNoPin) {
    anmelden("Tom", {"Gastraum", "VERWALTUNGSPERRE", "StationVerwaltung"});
    verwaltung("2");
    QTest::qWait(50);
    EXPECT_EQ(dialoge.meldungen,
              QStringList{"Sie haben nicht die nötigen Rechte, um auf die Verwaltung zuzugreifen"});
    EXPECT_EQ(pinGefragt, 0);
    EXPECT_TRUE(knopf("cmdStationenLink", "Gastraum")->isVisible());
}
