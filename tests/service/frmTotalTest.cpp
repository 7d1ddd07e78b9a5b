#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "core/Rechte.h"
#include "hotel/Aufenthalte.h"
#include "hotel/Gaeste.h"
#include "service/frmBestellung.h"
#include "service/frmTastenMenu1.h"
#include "service/frmTotal.h"
#include "support/DbTest.h"
#include "support/Posten.h"

namespace {

class frmTotalTest : public DbTest {
  protected:
    frmTotalTest() {
        kellner("Anna", "1", "", {"Rechnungen", "Abkassieren", "Rabatte"});
        amTisch("Anna", "Gastraum", "5");
        Posten pils;
        pils.menge = 3;
        PostenAnlegen(*db, pils);
        Posten cola;
        cola.plu = "2";
        cola.gericht = "Cola";
        cola.cent = 280;
        PostenAnlegen(*db, cola);
    }

    void klick(QWidget& fenster, const char* name) {
        auto* taste = fenster.findChild<QPushButton*>(QString::fromUtf8(name));
        ASSERT_NE(taste, nullptr) << name;
        QTest::mouseClick(taste, Qt::LeftButton);
    }
    int zeilen(QWidget& fenster, const char* gitter) {
        return fenster.findChild<QTableView*>(QString::fromUtf8(gitter))->model()->rowCount();
    }
    QString text(QWidget& fenster, const char* label) {
        return fenster.findChild<QLabel*>(QString::fromUtf8(label))->text();
    }
    std::int64_t rechnungen() {
        Abfrage a = db->abfrage("SELECT COUNT(*) FROM Rechnungsuebersicht");
        a.naechste();
        return a.zahl(0);
    }
};

}  // namespace

TEST_F(frmTotalTest, OpeningPutsEverythingOnThePayListAndKassenbonSettlesIt) {
    // A line an unfinished settlement of table 3 left on the pay list goes home.
    Posten liegengeblieben;
    liegengeblieben.tisch = "3";
    PostenAnlegen(*db, liegengeblieben.aufZahlliste());

    frmTotal fenster(*k);
    fenster.show();
    EXPECT_EQ(fenster.windowTitle(), QStringLiteral("TOTAL"));
    EXPECT_EQ(zeilen(fenster, "DataGrid1"), 0);
    EXPECT_EQ(zeilen(fenster, "DataGrid2"), 2);
    EXPECT_EQ(text(fenster, "lblNachtisch"), QStringLiteral("BAR"));
    EXPECT_EQ(text(fenster, "lblTischSummeRechts"), QStringLiteral("13,30 €"));
    EXPECT_EQ(TischSumme(*k, {"Gastraum", "3"}), Geld(350));

    // "Auf Haus" gives the marked line, the Cola, away.
    klick(fenster, "cmdAufHaus");
    EXPECT_EQ(text(fenster, "lblTischSummeRechts"), QStringLiteral("10,50 €"));
    EXPECT_TRUE(dialoge.meldungen.isEmpty());

    klick(fenster, "cmdKassenbon");
    EXPECT_TRUE(fenster.abgerechnet());
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(rechnungen(), 1);
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(drucker.auftraege[0].text(kFuss, "FunktionSummeBrutto"), QStringLiteral("10,50 €"));
    EXPECT_EQ(TischSumme(*k, {"Gastraum", "5"}), std::nullopt);
    EXPECT_EQ(TischSumme(*k, {"Gastraum", kZahlen, "5"}), std::nullopt);
    EXPECT_EQ(TischSumme(*k, {"Gastraum", "3"}), Geld(350));
}

TEST_F(frmTotalTest, SplittingAndClosingPutsTheLinesBack) {
    auto fenster = std::make_unique<frmTotal>(*k);
    fenster->show();
    // The marked line is the last one: Cola moves back whole, then 2 of 3 Pils.
    klick(*fenster, "cmdNurMarkierungNachLinks");
    EXPECT_EQ(zeilen(*fenster, "DataGrid1"), 1);
    dialoge.zahlen = {"2"};
    klick(*fenster, "cmdNurMarkierungNachLinks");
    EXPECT_EQ(text(*fenster, "lblTischSummeLinks"), QStringLiteral("9,80 €"));
    EXPECT_EQ(text(*fenster, "lblTischSummeRechts"), QStringLiteral("3,50 €"));

    // The voucher option asks number and amount and shows the number.
    dialoge.eingaben = {QString("17"), QString("2,00")};
    QTest::mouseClick(fenster->findChild<QRadioButton*>("Option1_2"), Qt::LeftButton,
                      Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(text(*fenster, "lblNachtisch"), QStringLiteral("GUTSCHEIN  Nr 17"));

    klick(*fenster, "cmdSchliessen");
    EXPECT_FALSE(fenster->abgerechnet());
    EXPECT_EQ(rechnungen(), 0);
    EXPECT_EQ(TischSumme(*k, {"Gastraum", "5"}), Geld(1330));
    EXPECT_EQ(TischSumme(*k, {"Gastraum", kZahlen, "5"}), std::nullopt);

    // The window's close box moves the pay list back as well.
    fenster = std::make_unique<frmTotal>(*k);
    fenster->show();
    EXPECT_EQ(TischSumme(*k, {"Gastraum", kZahlen, "5"}), Geld(1330));
    fenster->close();
    EXPECT_EQ(TischSumme(*k, {"Gastraum", kZahlen, "5"}), std::nullopt);
    EXPECT_EQ(TischSumme(*k, {"Gastraum", "5"}), Geld(1330));
}

TEST_F(frmTotalTest, TotalOnTheOrderScreenSettlesAndLeavesTheTableFree) {
    station("Gastraum", {"5"});
    frmBestellung bestellung(*k);
    bestellung.resize(1280, 740);
    bestellung.show();
    bestellung.oeffnen();
    QSignalSpy geschlossen(&bestellung.funktionstasten(), &frmTastenMenu1::geschlossen);
    QSignalSpy frei(&bestellung.funktionstasten(), &frmTastenMenu1::tischFrei);

    int rechts = -1, links = -1;
    QTimer::singleShot(0, [&] {
        auto* fenster = qobject_cast<frmTotal*>(QApplication::activeModalWidget());
        ASSERT_NE(fenster, nullptr);
        links = zeilen(*fenster, "DataGrid1");
        rechts = zeilen(*fenster, "DataGrid2");
        klick(*fenster, "cmdKassenbon");
    });
    QTest::keyClick(&bestellung, Qt::Key_O);

    EXPECT_EQ(links, 0);
    EXPECT_EQ(rechts, 2);
    EXPECT_EQ(rechnungen(), 1);
    EXPECT_EQ(TischSumme(*k, {"Gastraum", "5"}), std::nullopt);
    EXPECT_EQ(geschlossen.count(), 1);
    ASSERT_EQ(frei.count(), 1);
    EXPECT_EQ(frei.at(0).at(0).toString(), QStringLiteral("5"));
}

TEST_F(frmTotalTest, KeinBonNeedsItsRightAndNoTillLock) {
    for (const auto& [rechte, erlaubt] : {std::pair{"OhneKassenbon = 0", false},
                                          std::pair{"OhneKassenbon = 1, KASSENSPERRE = 1", false},
                                          std::pair{"OhneKassenbon = 1, KASSENSPERRE = 0", true}}) {
        db->ausfuehren(QStringLiteral("UPDATE Kellner SET %1").arg(rechte));
        dialoge.meldungen.clear();
        frmTotal fenster(*k);
        fenster.show();
        klick(fenster, "cmdKeinBon");
        EXPECT_EQ(fenster.abgerechnet(), erlaubt) << rechte;
        EXPECT_EQ(dialoge.meldungen, erlaubt ? QStringList() : QStringList{kKeineRechte}) << rechte;
        EXPECT_EQ(rechnungen(), erlaubt ? 1 : 0) << rechte;
        if (!erlaubt) fenster.reject();
    }
}

TEST_F(frmTotalTest, ZimmerAsksTheRoomShowsTheGuestAndChargesTheBillToTheStay) {
    Hotelsteuersaetze(*db);
    zimmerpreis(101, "EZ", 7000, 8200);
    zimmerpreis(102, "EZ", 7000, 8200);
    ASSERT_TRUE(Anreise(*k, {101,
                             "EZ",
                             "ÜF",
                             "Erika Muster",
                             "",
                             QDate(2026, 12, 5),
                             QDate(2026, 12, 7),
                             {Geld(8200), Geld(1200)}}));
    frmTotal fenster(*k);
    fenster.show();
    auto* zimmer = fenster.findChild<QRadioButton*>("Option1_3");
    ASSERT_NE(zimmer, nullptr);
    EXPECT_EQ(zimmer->text(), QStringLiteral("ZIMMER"));

    // A free room is refused and the bill stays on cash.
    dialoge.zahlen = {"102"};
    QTest::mouseClick(zimmer, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(dialoge.meldungen.size(), 1);
    EXPECT_EQ(text(fenster, "lblNachtisch"), QStringLiteral("BAR"));
    EXPECT_TRUE(fenster.findChild<QRadioButton*>("Option1_0")->isChecked());

    // The room typed on the pad, its guest confirmed: the pay list goes on the room.
    dialoge.zahlen = {"101"};
    dialoge.jaNein = {true};
    zimmer->setFocus();
    QTest::keyClick(zimmer, Qt::Key_Space);
    ASSERT_EQ(dialoge.fragen.size(), 1);
    EXPECT_TRUE(dialoge.fragen[0].startsWith(
        QStringLiteral("Zimmerbelastung Zimmer 101 – Gast: Erika Muster")));
    EXPECT_EQ(text(fenster, "lblNachtisch"), QStringLiteral("ZIMMER 101"));
    klick(fenster, "cmdKassenbon");
    EXPECT_TRUE(fenster.abgerechnet());
    Abfrage a = db->abfrage(
        "SELECT BAR, ZIMMER, (SELECT SUM(Betrag) FROM Zimmerbelastungen) "
        "FROM Rechnungsuebersicht");
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.zahl(0), 0);
    EXPECT_EQ(a.zahl(1), 1330);
    EXPECT_EQ(a.zahl(2), 1330);
    ASSERT_EQ(drucker.auftraege.size(), 2u);
    EXPECT_EQ(drucker.auftraege[1].titel, QStringLiteral("Zimmerbelastung"));
}
