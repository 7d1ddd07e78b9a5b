#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

#include "core/Anmeldung.h"
#include "core/MDIHauptmenu.h"
#include "core/frmAnmeldung.h"
#include "support/DemoKontext.h"
#include "support/Modal.h"

namespace {

// The main window on a fresh demo database, as the program starts it.
class Hauptmenu : public ::testing::Test, public DemoKontext {
  protected:
    Hauptmenu() : fenster(k) {}

    QString fusszeile(const char* name) { return fenster.findChild<QLabel*>(name)->text(); }
    void tippen(QWidget* dialog, const char* feld, const QString& text) {
        auto* eingabe = dialog->findChild<QLineEdit*>(feld);
        QTest::keyClicks(eingabe, text);
        QTest::keyClick(eingabe, Qt::Key_Return);
    }
    void menuKnopf() {
        QTest::mouseClick(fenster.findChild<QToolButton*>("imgMenu"), Qt::LeftButton);
    }

    MDIHauptmenu fenster;
};

}  // namespace

TEST_F(Hauptmenu, TheDemoWaiterLogsInAndTheFootBarShowsHim) {
    EXPECT_EQ(fusszeile("lblDatum"), QStringLiteral("Sonntag,  06. Dezember,  2026"));
    EXPECT_EQ(fusszeile("lblZeit"), QStringLiteral("12.00.00"));
    uhr.stellen(QDate(2026, 12, 7), QTime(0, 0, 5));
    QTest::qWait(150);
    EXPECT_EQ(fusszeile("lblZeit"), QStringLiteral("00.00.05"));
    EXPECT_EQ(fusszeile("lblDatum"), QStringLiteral("Sonntag,  06. Dezember,  2026"));

    QStringList feldNachFehler;
    ImModalFenster(&fenster, [&](QWidget* anmeldung) {
        tippen(anmeldung, "txtPin", "2223");
        feldNachFehler << anmeldung->findChild<QLineEdit*>("txtPin")->text();
        // The on-screen keys reach the field as well.
        for (QPushButton* taste : anmeldung->findChildren<QPushButton*>("cmdTasten"))
            if (taste->text() == "2") QTest::mouseClick(taste, Qt::LeftButton);
        feldNachFehler << anmeldung->findChild<QLineEdit*>("txtPin")->text();
        tippen(anmeldung, "txtPin", "222");
    });
    EXPECT_TRUE(AnmeldungZeigen(k, &fenster));
    EXPECT_EQ(dialoge.meldungen, QStringList{kPinFalsch});
    EXPECT_EQ(feldNachFehler, QStringList({"", "2"}));
    EXPECT_EQ(fusszeile("lblKellner"), QStringLiteral("Tom Berger"));
}

TEST_F(Hauptmenu, AMenuLockRefusesWithoutAskingTheSecondPin) {
    db->ausfuehren("UPDATE Kellner SET MENUSPERRE = 1 WHERE Mitarbeiter = 'Tom Berger'");
    k.werte.kellner = "Tom Berger";
    bool gefragt = false;
    ImModalFenster(&fenster, [&](QWidget* f) {
        gefragt = true;
        f->close();
    });
    menuKnopf();
    QTest::qWait(50);
    EXPECT_FALSE(gefragt);
    EXPECT_FALSE(fenster.menu()->isVisible());
    EXPECT_EQ(dialoge.meldungen, QStringList{kMenuGesperrt});
}

TEST_F(Hauptmenu, EveryOpeningOfTheMenuNeedsAFreshSecondPin) {
    k.werte.kellner = "Tom Berger";
    fenster.show();
    QString feldNachFehler = "?";
    ImModalFenster(&fenster, [&](QWidget* pin2) {
        EXPECT_EQ(pin2->windowTitle(), QStringLiteral("Pin 2"));
        tippen(pin2, "txtPin2", "2222");  // the first PIN is not the second
        feldNachFehler = pin2->findChild<QLineEdit*>("txtPin2")->text();
        tippen(pin2, "txtPin2", "2345");
    });
    menuKnopf();
    EXPECT_TRUE(fenster.menu()->isVisible());
    EXPECT_EQ(feldNachFehler, QString());
    EXPECT_EQ(dialoge.meldungen, QStringList{kPin2Falsch});
    fenster.menu()->close();

    bool gefragt = false;
    ImModalFenster(&fenster, [&](QWidget* pin2) {
        gefragt = true;
        QTest::mouseClick(pin2->findChild<QPushButton*>("cmdAbbrechen"), Qt::LeftButton);
    });
    menuKnopf();
    EXPECT_TRUE(gefragt);
    EXPECT_FALSE(fenster.menu()->isVisible());

    QAction* schliessen = fenster.menu()->findChild<QAction*>("mnuSchliessen");
    ASSERT_NE(schliessen, nullptr);
    EXPECT_EQ(schliessen->text(), QStringLiteral("Kasse sch&ließen"));
    EXPECT_EQ(fenster.menu()->actions().last(), schliessen);
    schliessen->trigger();
    EXPECT_FALSE(fenster.isVisible());
}

TEST_F(Hauptmenu, AJournalFoundChangedAtStartIsAWarningInTheFootBar) {
    auto* warnung = fenster.findChild<QLabel*>("lblWarnung");
    for (const bool veraendert : {false, true}) {
        SCOPED_TRACE(veraendert);
        if (veraendert)
            db->skript(
                "DROP TRIGGER Journal_unveraenderlich; DROP TRIGGER Journal_unloeschbar; "
                "INSERT INTO Journal VALUES (1, '', '', '', '', 1, NULL, '{}', '');");
        fenster.journalPruefen(*db);
        EXPECT_EQ(QTest::qWaitFor([&] { return warnung->isVisibleTo(&fenster); },
                                  veraendert ? 10000 : 500),
                  veraendert);
    }
    EXPECT_EQ(warnung->text(), QStringLiteral("⚠ Journal verändert ab Eintrag 1"));
}
