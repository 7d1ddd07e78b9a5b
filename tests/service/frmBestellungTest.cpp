#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "core/Rechte.h"
#include "fiskal/tse/Tsearbeiter.h"
#include "fiskal/tse/Tsebuchung.h"
#include "service/Anzahl.h"
#include "service/Eingabe.h"
#include "service/Tischzeile.h"
#include "service/Tischzeilenmodell.h"
#include "service/frmBestellung.h"
#include "service/frmTastenMenu1.h"
#include "service/frmTastenMenu2.h"
#include "service/frmTisch.h"
#include "support/DbTest.h"
#include "support/Testtse.h"
#include "ui/bericht/Dokument.h"

namespace {

// The order screen of table 1 in the dining room, opened by waiter Tom, who
// may cancel and settle; a beer (12), a schnitzel that takes extras (20).
class Bestellbildschirm : public DbTest {
  protected:
    Bestellbildschirm() {
        station("Gastraum", {"1", "2"});
        kellner("Tom", "2000", "2001", {"Stornieren", "Abkassieren"});
        kellner("Eva", "3000", "3001");
        artikel("12", "Pils", 350);
        artikel("20", "Schnitzel", 1290, "Hauptgerichte", "Speisen", "Küchendrucker", true);
        amTisch("Tom", "Gastraum", "1");
        bildschirm = std::make_unique<frmBestellung>(*k);
        bildschirm->resize(1280, 740);
        bildschirm->show();
        bildschirm->oeffnen();
    }

    void tippen(const QString& zeichen) {
        for (QChar z : zeichen) {
            if (z == QLatin1Char('*'))
                QTest::keyClick(bildschirm.get(), Qt::Key_Asterisk, Qt::KeypadModifier);
            else
                QTest::keyClick(bildschirm.get(), Qt::Key(Qt::Key_0 + z.digitValue()),
                                Qt::KeypadModifier);
        }
    }
    void taste(Qt::Key t) { QTest::keyClick(bildschirm.get(), t); }
    // As a keyboard does: to whatever widget has the focus.
    void tasteAnFokus(Qt::Key t, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_NE(fokus, nullptr);
        QTest::keyClick(fokus, t, mod);
    }
    void druecken(const QString& beschriftung) {
        for (auto* knopf : bildschirm->findChildren<QPushButton*>())
            if (knopf->text() == beschriftung) return knopf->click();
        ADD_FAILURE() << "no key " << beschriftung.toStdString();
    }
    QString feld() const { return bildschirm->rechner().eingabe(); }

    // What the grid shows: PLU, quantity and dish of every row.
    QStringList raster() const {
        QStringList zeilen;
        const auto* modell = bildschirm->tisch().raster()->model();
        for (int r = 0; r < modell->rowCount(); ++r)
            zeilen << QStringLiteral("%1|%2|%3")
                          .arg(modell->index(r, 0).data().toString(),
                               modell->index(r, 1).data().toString(),
                               modell->index(r, 2).data().toString());
        return zeilen;
    }
    QStringList zeilen(const QString& tabelle = QStringLiteral("OffeneTische")) {
        QStringList liste;
        auto a =
            db->abfrage(QStringLiteral("SELECT TischDetails, PLU, Menge, Gericht, EPREIS FROM %1 "
                                       "ORDER BY ID")
                            .arg(tabelle));
        while (a.naechste())
            liste << QStringLiteral("%1 %2 %3x %4 %5")
                         .arg(a.text(0), a.text(1), a.text(2), a.text(3), a.geld(4).text());
        return liste;
    }

    std::unique_ptr<frmBestellung> bildschirm;
};

TEST_F(Bestellbildschirm, KeypadEntryAddsTheArticleAndTheGridShowsIt) {
    tippen("3*12");
    EXPECT_EQ(feld(), QStringLiteral("3x12"));
    taste(Qt::Key_Enter);
    EXPECT_EQ(feld(), QString());
    EXPECT_EQ(zeilen(), QStringList{"Neu 12 3x Pils 3,50"});
    EXPECT_EQ(raster(), QStringList{"12|3x|Pils"});
    EXPECT_EQ(bildschirm->tisch().modus(), kNeu);
    EXPECT_EQ(bildschirm->findChild<QLabel*>("lblTischSumme")->text(), QStringLiteral("10,50 €"));

    // Without a quantity one is meant; the drink merges into its new line.
    tippen("12");
    taste(Qt::Key_Return);
    EXPECT_EQ(raster(), QStringList{"12|4x|Pils"});

    // Top-row digits, other letters and Tab do nothing; Backspace empties the field.
    QTest::keyClick(bildschirm.get(), Qt::Key_5);
    for (Qt::Key t : {Qt::Key_E, Qt::Key_C, Qt::Key_X, Qt::Key_Tab, Qt::Key_F1}) taste(t);
    EXPECT_EQ(feld(), QString());
    tippen("20");
    taste(Qt::Key_Backspace);
    EXPECT_EQ(feld(), QString());
    tippen("20");
    taste(Qt::Key_Delete);
    taste(Qt::Key_Enter);  // Enter on an empty field adds nothing
    EXPECT_EQ(zeilen().size(), 1);

    // An unknown article and a quantity of nothing are refused; the field is emptied.
    tippen("77");
    taste(Qt::Key_Enter);
    tippen("0*12");
    taste(Qt::Key_Enter);
    EXPECT_EQ(dialoge.meldungen, QStringList({"Gericht nicht gefunden", kMengeUngueltig}));
    EXPECT_EQ(feld(), QString());
    EXPECT_EQ(zeilen().size(), 1);
}

TEST_F(Bestellbildschirm, PadKeysAndFreePrices) {
    for (const char* t : {"3", "x", "2", "5", "0"}) druecken(QString::fromUtf8(t));
    EXPECT_EQ(feld(), QStringLiteral("3x250"));
    druecken("&Getränke");
    EXPECT_EQ(feld(), QString());
    EXPECT_EQ(zeilen(), QStringList{"Neu 998 3x Getränke 2,50"});
    EXPECT_EQ(raster(), QStringList{"998|3x|Getränke"});

    // Too short or not a price: emptied, nothing added, nothing said.
    for (const char* eingabe : {"7", "2x", "2x2x50"}) {
        bildschirm->rechner().setzeEingabe(QString::fromUtf8(eingabe));
        taste(Qt::Key_S);
        EXPECT_EQ(feld(), QString()) << eingabe;
    }
    EXPECT_EQ(zeilen().size(), 1);
    EXPECT_TRUE(dialoge.meldungen.isEmpty());

    // The letter S is the food key of the pad, K the picker switch.
    tippen("1290");
    taste(Qt::Key_S);
    EXPECT_EQ(zeilen().last(), QStringLiteral("Neu 999 1x Speise 12,90"));
    druecken("1");
    druecken("C");
    EXPECT_EQ(feld(), QString());
    EXPECT_FALSE(bildschirm->rechner().karteGewaehlt());
    taste(Qt::Key_K);
    EXPECT_TRUE(bildschirm->rechner().karteGewaehlt());
    EXPECT_TRUE(bildschirm->findChild<QWidget*>("frmkarteAuswahl")->isVisible());
    druecken("Direktwahl");
    EXPECT_TRUE(bildschirm->findChild<QWidget*>("frmSchnellwahltaste")->isVisible());
}

TEST_F(Bestellbildschirm, CancellingChecksTheRightAndAsksTheQuantityOfASentLine) {
    tippen("4*12");
    taste(Qt::Key_Enter);
    db->ausfuehren(QStringLiteral("UPDATE OffeneTische SET TischDetails = 'Alt'"));
    bildschirm->oeffnen();
    ASSERT_EQ(raster(), QStringList{"12|4x|Pils"});

    dialoge.zahlen = {QStringLiteral("1")};
    druecken("&Storno");
    EXPECT_EQ(dialoge.aufforderungen, QStringList{kAnzahlEingeben});
    EXPECT_EQ(raster(), QStringList{"12|3x|Pils"});
    EXPECT_EQ(zeilen("StornosTemporaer"), QStringList{"Alt 12 -1x Pils 3,50"});

    // Eva may not cancel; the letter S never cancels.
    k->werte.kellner = QStringLiteral("Eva");
    druecken("&Storno");
    taste(Qt::Key_S);
    EXPECT_EQ(dialoge.meldungen, QStringList{kKeineRechte});
    EXPECT_EQ(raster(), QStringList{"12|3x|Pils"});
}

TEST_F(Bestellbildschirm, ArrowKeysThatCannotMoveKeepTheMarkAtEitherEndAndOnAnEmptyTable) {
    QApplication::setActiveWindow(bildschirm.get());
    QTableView* grid = bildschirm->tisch().raster();
    // Up and Down, and keypad 8 and 2 with Num Lock off, on an empty table.
    for (Qt::KeyboardModifiers mod :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::KeypadModifier)})
        for (Qt::Key t : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Up}) tasteAnFokus(t, mod);
    EXPECT_FALSE(grid->currentIndex().isValid());

    tippen("12");
    taste(Qt::Key_Enter);
    tippen("20");
    taste(Qt::Key_Enter);
    struct Fall {
        Qt::Key taste;
        Qt::KeyboardModifiers mod;
        int reiheDanach;
    };
    const Fall faelle[] = {
        {Qt::Key_Down, {}, 1},  // already on the last line
        {Qt::Key_Down, Qt::KeypadModifier, 1},
        {Qt::Key_Up, {}, 0},
        {Qt::Key_Up, {}, 0},  // already on the first line
        {Qt::Key_Up, Qt::KeypadModifier, 0},
        {Qt::Key_Down, Qt::KeypadModifier, 1},
    };
    for (const Fall& f : faelle) {
        tasteAnFokus(f.taste, f.mod);
        EXPECT_EQ(grid->currentIndex().row(), f.reiheDanach);
        EXPECT_EQ(QApplication::focusWidget(), grid);
    }
    EXPECT_EQ(raster(), QStringList({"12|1x|Pils", "20|1x|Schnitzel"}));
}

TEST_F(Bestellbildschirm, TischLoeschenCancelsEveryLineAfterAQuestion) {
    offeneZeile("12", 2);
    offeneZeile("20", 1, kNeu);
    db->ausfuehren("UPDATE Kellner SET TischeLoeschen = 1 WHERE Mitarbeiter = 'Tom'");
    bildschirm->oeffnen();
    QSignalSpy verlassen(bildschirm->findChild<frmTastenMenu1*>(), &frmTastenMenu1::geschlossen);

    dialoge.jaNein = {false};
    druecken("Tisch löschen");
    EXPECT_EQ(dialoge.fragen,
              QStringList{"Soll der Tisch 1 mit allen Positionen storniert werden?"});
    EXPECT_EQ(zeilen().size(), 2);
    EXPECT_EQ(verlassen.count(), 0);

    // The sent line goes to the cancellation log with its ticket; the new one
    // was never announced and just goes.
    dialoge.jaNein = {true};
    druecken("Tisch löschen");
    EXPECT_TRUE(zeilen().isEmpty());
    EXPECT_EQ(zeilen("Stornos"), QStringList{"Alt 12 -2x Pils 3,50"});
    EXPECT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(verlassen.count(), 1);
    EXPECT_TRUE(dialoge.meldungen.isEmpty());
}

TEST_F(Bestellbildschirm, TheArrowKeysAndATouchChooseTheLineToCancel) {
    tippen("12");
    taste(Qt::Key_Enter);
    tippen("20");
    taste(Qt::Key_Enter);
    tippen("20");
    taste(Qt::Key_Enter);
    ASSERT_EQ(raster(), QStringList({"12|1x|Pils", "20|1x|Schnitzel", "20|1x|Schnitzel"}));
    QTableView* grid = bildschirm->tisch().raster();
    EXPECT_EQ(grid->currentIndex().row(), 2);  // the line just entered

    taste(Qt::Key_Up);
    taste(Qt::Key_Up);
    EXPECT_EQ(grid->currentIndex().row(), 0);
    taste(Qt::Key_Down);
    druecken("&Storno");  // a new line of one goes without a question
    EXPECT_EQ(raster(), QStringList({"12|1x|Pils", "20|1x|Schnitzel"}));
    EXPECT_TRUE(dialoge.aufforderungen.isEmpty());

    // Letters keep working while the grid has the focus; a touch on a line
    // marks it and drops what was typed.
    QTest::keyClick(grid, Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(feld(), QStringLiteral("2"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, 2)).center());
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(feld(), QString());
    QTest::keyClick(grid, Qt::Key_S, Qt::NoModifier);
    EXPECT_EQ(zeilen("OffeneTische").size(), 2);
}

TEST_F(Bestellbildschirm, TransferIsRefusedWhileNewLinesExistAndTotalPrintsBeforeSettling) {
    QSignalSpy umbuchen(&bildschirm->funktionstasten(), &frmTastenMenu1::umbuchen);
    QSignalSpy kassieren(&bildschirm->funktionstasten(), &frmTastenMenu1::kassieren);
    db->ausfuehren("UPDATE Kellner SET Umbuchen = 1 WHERE Mitarbeiter = 'Tom'");
    taste(Qt::Key_U);  // no line: nothing
    taste(Qt::Key_O);
    EXPECT_EQ(kassieren.count(), 0);
    EXPECT_TRUE(dialoge.meldungen.isEmpty());
    EXPECT_TRUE(drucker.auftraege.empty());

    tippen("12");
    taste(Qt::Key_Enter);
    taste(Qt::Key_U);
    EXPECT_EQ(dialoge.meldungen,
              QStringList{"Bei neuen eingetragenen Gerichte ist Umbuchen nicht möglich."});
    EXPECT_EQ(umbuchen.count(), 0);

    k->werte.kellner = QStringLiteral("Eva");
    taste(Qt::Key_O);
    EXPECT_EQ(dialoge.meldungen.last(), kKeineRechte);
    k->werte.kellner = QStringLiteral("Tom");
    // The settlement window opens; closing it puts the lines back.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    taste(Qt::Key_O);
    EXPECT_EQ(kassieren.count(), 1);
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(drucker.auftraege[0].text("Bereich4", "lblDruckerstation"),
              QStringLiteral("Thekenbon"));
    EXPECT_EQ(zeilen(), QStringList{"Alt 12 1x Pils 3,50"});

    // Sent lines only: the transfer window may open.
    bildschirm->oeffnen();
    taste(Qt::Key_U);
    EXPECT_EQ(umbuchen.count(), 1);
}

TEST_F(Bestellbildschirm, AQuickKeyTakesTheTypedQuantityAndTheMenuCardADoubleClick) {
    db->ausfuehren(
        QStringLiteral("INSERT INTO WarengruppeTasten (WG, Tastenreihe) VALUES ('Bier', 1)"));
    db->ausfuehren(
        QStringLiteral("INSERT INTO ArtikelTasten (WG, SP2, SP2PLU, SP2Farbe) "
                       "VALUES ('Bier', 'Pils', '12', 16776960)"));
    db->ausfuehren(
        QStringLiteral("INSERT INTO Warengruppe (WG, IDWG) VALUES ('Hauptgerichte', 'Speise')"));
    bildschirm->oeffnen();
    tippen("3*");
    druecken("Pils");
    EXPECT_EQ(zeilen(), QStringList{"Neu 12 3x Pils 3,50"});
    EXPECT_EQ(feld(), QString());
    druecken(QString());  // an empty key adds nothing
    EXPECT_EQ(zeilen().size(), 1);

    taste(Qt::Key_K);
    auto* gruppen = bildschirm->findChild<QTreeWidget*>("trvWarengruppen");
    auto* artikel = bildschirm->findChild<QTreeWidget*>("lvwArtikel");
    const auto treffer = gruppen->findItems("Hauptgerichte", Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(treffer.size(), 1);
    EXPECT_EQ(treffer.first()->parent()->text(0), QStringLiteral("Speise"));
    Q_EMIT gruppen->itemClicked(treffer.first(), 0);
    ASSERT_EQ(artikel->topLevelItemCount(), 1);
    EXPECT_EQ(artikel->topLevelItem(0)->text(2), QStringLiteral("12,90"));
    tippen("5*");  // replaced by the article's number
    Q_EMIT artikel->itemDoubleClicked(artikel->topLevelItem(0), 0);
    EXPECT_EQ(zeilen().last(), QStringLiteral("Neu 20 1x Schnitzel 12,90"));
}

TEST_F(Bestellbildschirm, TheKeyboardWorksTheSameWhicheverPartHasTheFocus) {
    db->ausfuehren(
        QStringLiteral("INSERT INTO WarengruppeTasten (WG, Tastenreihe) VALUES ('Bier', 1)"));
    db->ausfuehren(QStringLiteral(
        "INSERT INTO ArtikelTasten (WG, SP1, SP1PLU) VALUES ('Bier', 'Pils', '12')"));
    QSignalSpy geschlossen(&bildschirm->funktionstasten(), &frmTastenMenu1::geschlossen);
    QApplication::setActiveWindow(bildschirm.get());
    const auto teil = [this](const char* name) {
        return bildschirm->findChild<QWidget*>(QString::fromUtf8(name));
    };
    struct Fall {
        const char* teil;
        bool karte;  // on the menu card, else the quick keys' panel
    };
    const Fall faelle[] = {{"lvwArtikel", true},
                           {"Haupttasten", false},
                           {"trvWarengruppen", true},
                           {"dgrTisch", false}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.teil);
        db->ausfuehren(QStringLiteral("DELETE FROM OffeneTische"));
        if (bildschirm->rechner().karteGewaehlt() != f.karte) taste(Qt::Key_K);
        bildschirm->oeffnen();
        const auto fokussieren = [&] {
            teil(f.teil)->setFocus();
            ASSERT_EQ(QApplication::focusWidget(), teil(f.teil));
        };
        fokussieren();
        for (Qt::Key t : {Qt::Key_3, Qt::Key_Asterisk, Qt::Key_1, Qt::Key_2})
            tasteAnFokus(t, Qt::KeypadModifier);
        tasteAnFokus(Qt::Key_Enter, Qt::KeypadModifier);
        tippen("20");
        taste(Qt::Key_Enter);
        EXPECT_EQ(raster(), QStringList({"12|3x|Pils", "20|1x|Schnitzel"}));

        fokussieren();
        tasteAnFokus(Qt::Key_Up);
        EXPECT_EQ(bildschirm->tisch().raster()->currentIndex().row(), 0);
        tasteAnFokus(Qt::Key_Down);
        EXPECT_EQ(bildschirm->tisch().raster()->currentIndex().row(), 1);

        // "T" leaves the table: the lines are sent.
        fokussieren();
        const int vorher = geschlossen.count();
        tasteAnFokus(Qt::Key_T);
        EXPECT_EQ(geschlossen.count(), vorher + 1);
        EXPECT_EQ(zeilen(), QStringList({"Alt 12 3x Pils 3,50", "Alt 20 1x Schnitzel 12,90"}));
    }
}

TEST_F(Bestellbildschirm, LeavingTheTablePrintsTheTicketsAndSendsTheLines) {
    QSignalSpy geschlossen(&bildschirm->funktionstasten(), &frmTastenMenu1::geschlossen);
    QSignalSpy frei(&bildschirm->funktionstasten(), &frmTastenMenu1::tischFrei);
    tippen("2*12");
    taste(Qt::Key_Enter);
    tippen("20");
    taste(Qt::Key_Enter);

    drucker.fehler = DbFehler(482, QStringLiteral("Papierende"));
    taste(Qt::Key_T);  // the waiter is told and stays at the table
    EXPECT_EQ(geschlossen.count(), 0);
    EXPECT_EQ(dialoge.fehlermeldungen.size(), 1);
    EXPECT_EQ(zeilen(), QStringList({"Neu 12 2x Pils 3,50", "Neu 20 1x Schnitzel 12,90"}));

    drucker.fehler.reset();
    taste(Qt::Key_T);
    EXPECT_EQ(geschlossen.count(), 1);
    ASSERT_EQ(drucker.auftraege.size(), 2u);
    EXPECT_EQ(drucker.auftraege[0].text("Bereich4", "lblDruckerstation"),
              QStringLiteral("Thekenbon"));
    EXPECT_EQ(drucker.auftraege[0].text("Bereich1", "txtGericht", 0), QStringLiteral("Pils"));
    EXPECT_EQ(drucker.auftraege[1].text("Bereich4", "lblDruckerstation"),
              QStringLiteral("Küchenbon"));
    EXPECT_EQ(drucker.auftraege[1].text("Bereich1", "txtGericht", 0), QStringLiteral("Schnitzel"));
    EXPECT_EQ(zeilen(), QStringList({"Alt 12 2x Pils 3,50", "Alt 20 1x Schnitzel 12,90"}));
    EXPECT_EQ(frei.count(), 0);

    // Cancelling every line and leaving again shows the table free.
    bildschirm->oeffnen();
    dialoge.zahlen = {QStringLiteral("2")};
    druecken("&Storno");
    druecken("&Storno");
    EXPECT_TRUE(raster().isEmpty());
    EXPECT_FALSE(bildschirm->findChild<QLabel*>("lblTischSumme")->isVisible());
    taste(Qt::Key_T);
    ASSERT_EQ(frei.count(), 1);
    EXPECT_EQ(frei.first().first().toString(), QStringLiteral("1"));
    EXPECT_EQ(drucker.auftraege.size(), 4u);  // the two cancellation tickets
}

// The course keys: a chosen course holds the lines entered after it, a touched
// line moves into the course pressed next, the grid shows course and hold,
// and "Gang abrufen" sends the course when the table is long left.
TEST_F(Bestellbildschirm, CourseKeysHoldLinesAndGangAbrufenSendsThem) {
    tippen("12");
    taste(Qt::Key_Enter);
    druecken("Gang 2");
    tippen("20");
    taste(Qt::Key_Enter);
    QTableView* grid = bildschirm->tisch().raster();
    const auto zusatz = [&](int reihe) {
        return grid->model()->index(reihe, 2).data(Tischzeilenmodell::kZusatzRolle).toString();
    };
    EXPECT_EQ(zusatz(1), QStringLiteral("Gang 2 – wartet"));
    // The beer, touched, goes into "Nachher"; the key touched again chooses none.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, 2)).center());
    druecken("Nachher");
    EXPECT_EQ(zusatz(0), QStringLiteral("Nachher – wartet"));
    druecken("Nachher");
    EXPECT_EQ(k->werte.gang, QString());

    taste(Qt::Key_T);
    EXPECT_TRUE(drucker.auftraege.empty());
    bildschirm->oeffnen();
    EXPECT_EQ(raster(), QStringList({"12|1x|Pils", "20|1x|Schnitzel"}));  // held, still shown
    dialoge.jaNein = {true};
    druecken("Gang abrufen");
    EXPECT_EQ(dialoge.fragen, QStringList{"Gang 2 jetzt abrufen?"});
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(drucker.auftraege[0].text(kKopf, "lblGang"), QStringLiteral("Gang 2"));
    EXPECT_EQ(zusatz(1), QStringLiteral("Gang 2"));
    EXPECT_EQ(zeilen(), QStringList({"Neu 12 1x Pils 3,50", "Alt 20 1x Schnitzel 12,90"}));
}

}  // namespace

TEST_F(Bestellbildschirm, OnASmallTerminalTheDishKeepsTheRoomItsNameNeeds) {
    artikel("16", "Zitronenlimonade 0,4l", 380);
    bildschirm->resize(1024, 700);
    tippen("16");
    taste(Qt::Key_Enter);
    QTableView* grid = bildschirm->tisch().raster();
    QFont schrift = grid->font();
    schrift.setPointSize(15);
    EXPECT_GE(grid->columnWidth(Tischzeilenmodell::Gericht),
              QFontMetrics(schrift).horizontalAdvance("Zitronenlimonade 0,4l"));
}

TEST_F(Bestellbildschirm, ABusyTseDoesNotDelayTheNextKeyPress) {
    // Each key press, sent to the focused widget with the event loop run after
    // it: in milliseconds.
    const auto tippzeiten = [this] {
        std::vector<qint64> zeiten;
        for (const Qt::Key t : {Qt::Key_1, Qt::Key_2, Qt::Key_Enter}) {
            QWidget* ziel =
                QApplication::focusWidget() ? QApplication::focusWidget() : bildschirm.get();
            QElapsedTimer dauer;
            dauer.start();
            QTest::keyClick(ziel, t, t == Qt::Key_Enter ? Qt::NoModifier : Qt::KeypadModifier);
            QCoreApplication::processEvents();
            zeiten.push_back(dauer.elapsed());
        }
        return zeiten;
    };
    const std::vector<qint64> ohne = tippzeiten();

    // The device takes 2 s per answer; the call before gave up waiting for it,
    // so it is still busy while the waiter types the next line.
    auto* geraet = new Testtse;
    geraet->verzoegerung = std::chrono::milliseconds(2000);
    Tsearbeiter arbeiter([geraet] { return std::unique_ptr<Tse>(geraet); },
                         std::chrono::milliseconds(20));
    k->tse = &arbeiter;
    EXPECT_TRUE(TseSignieren(*k, kBestellungV1, "1;\"Pils\";3.50").tse.contains("Ausfall"));
    const std::vector<qint64> mit = tippzeiten();

    constexpr qint64 kEinBildMs = 17;
    for (std::size_t i = 0; i < mit.size(); ++i)
        EXPECT_LE(mit[i], ohne[i] + kEinBildMs) << "key " << i;
    EXPECT_EQ(zeilen(), QStringList{"Neu 12 2x Pils 3,50"});
}
