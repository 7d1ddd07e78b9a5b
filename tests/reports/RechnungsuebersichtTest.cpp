#include "core/Rechte.h"
#include "reports/Berichte.h"
#include "reports/Datumsbereich.h"
#include "reports/Kassenabschluss.h"
#include "reports/Rechnungen.h"
#include "reports/Rechnungsuebersicht.h"
#include "support/DbTest.h"

namespace {

const QDate kTag(2026, 12, 6);

class RechnungsuebersichtTest : public DbTest {
  protected:
    QStringList regNrn(const Tabelle& t) {
        QStringList n;
        for (int i = 0; i < static_cast<int>(t.zeilen.size()); ++i)
            n << t.wert(i, QStringLiteral("Reg-Nr")).toString();
        return n;
    }
};

TEST_F(RechnungsuebersichtTest, ListsFollowTheRightsAndTheirOrder) {
    kellner("Chef", "1", "", {"AlleRechnungenAnsehen"});
    kellner("Anna", "2", "", {"SeineRechnungenAnsehen"});
    kellner("Bernd", "3");
    rechnung(*db, kTag, "Gastraum", "Anna", 100, 0, 0);
    rechnung(*db, kTag, "Gastraum", "Chef", 200, 0, 0);
    rechnung(*db, kTag.addDays(-1), "Gastraum", "Anna", 300, 0, 0);
    rechnung(*db, kTag, "Gastraum", "Anna", 400, 0, 0);
    db->ausfuehren(QStringLiteral("UPDATE Rechnungsuebersicht SET RegNr = 9 WHERE RegNr = 1"));

    k->werte.kellner = QStringLiteral("Chef");
    const Tabelle alle = RechnungenBeimOeffnen(*k, kTag);
    EXPECT_EQ(alle.spalten,
              QStringList({"ID", "Reg-Nr", "Datum", "Zeit", "Tisch", "Station", "Mitarbeiter",
                           "BAR", "KARTE", "GUTSCHEIN", "Beleg", "Gesamt"}));
    EXPECT_EQ(regNrn(alle), QStringList({"2", "4", "9"}));
    EXPECT_EQ(regNrn(*AlleRechnungenAnzeigen(*k, kTag.addDays(-1), kTag)),
              QStringList({"2", "3", "4", "9"}));

    k->werte.kellner = QStringLiteral("Anna");
    EXPECT_EQ(regNrn(RechnungenBeimOeffnen(*k, kTag)), QStringList({"9", "4"}));
    EXPECT_FALSE(AlleRechnungenAnzeigen(*k, kTag, kTag));
    k->werte.kellner = QStringLiteral("Bernd");
    EXPECT_TRUE(RechnungenBeimOeffnen(*k, kTag).zeilen.empty());
    EXPECT_TRUE(dialoge.meldungen.isEmpty());

    const Tabelle zeilen = RechnungDetailsDurchsuchen(*k, QStringLiteral("4"));
    ASSERT_EQ(zeilen.zeilen.size(), 1u);
    EXPECT_EQ(zeilen.wert(0, QStringLiteral("GPREIS")).toLongLong(), 400);
}

TEST_F(RechnungsuebersichtTest, PaymentTypeComesFromTheAmountsUsed) {
    rechnung(*db, kTag, "Gastraum", "Anna", 1000, 0, 0);
    rechnung(*db, kTag, "Gastraum", "Anna", 0, 1000, 0);
    rechnung(*db, kTag, "Gastraum", "Anna", 400, 0, 600);
    rechnung(*db, kTag, "Gastraum", "Anna", 0, 0, 0);
    const Tabelle t = AlleKellnerVonBisRechnungen(*k, kTag, kTag);
    QStringList arten;
    for (int i = 0; i < 4; ++i) arten << ZahlungsartAbleiten(t, i, QStringLiteral("vorher"));
    EXPECT_EQ(arten, QStringList({"BAR", "KARTE", "GUTSCHEIN/BAR", "vorher"}));
}

TEST_F(RechnungsuebersichtTest, ChangingThePaymentTypeAsksAndRecordsIt) {
    rechnung(*db, kTag, "Gastraum", "Anna", 1000, 0, 0);
    Zahlartwahl wahl{QStringLiteral("1"), QStringLiteral("BAR"), 0};
    // Without the right nothing is asked or changed.
    kellner("Anna", "2");
    k->werte.kellner = QStringLiteral("Anna");
    EXPECT_FALSE(ZahlartGewaehlt(*k, wahl, 1));
    EXPECT_EQ(dialoge.meldungen, QStringList{kKeineRechte});
    EXPECT_TRUE(dialoge.fragen.isEmpty());
    EXPECT_EQ(wahl.option, 0);
    db->ausfuehren("UPDATE Kellner SET ZahlartAendern = 1 WHERE Mitarbeiter = 'Anna'");

    EXPECT_FALSE(ZahlartGewaehlt(*k, wahl, 0));  // already chosen: nothing asked
    dialoge.jaNein = {false, true};
    EXPECT_FALSE(ZahlartGewaehlt(*k, wahl, 1));
    EXPECT_EQ(wahl.option, 0);
    const auto zeile = ZahlartGewaehlt(*k, wahl, 1);
    ASSERT_TRUE(zeile);
    EXPECT_EQ(zeile->wert(0, QStringLiteral("Zahlungsart")).toString(), "KARTE");
    EXPECT_EQ(zeile->spalten.indexOf(QStringLiteral("BAR")), -1);

    dialoge.jaNein = {true, true};
    dialoge.eingaben = {QStringLiteral("4711"), QStringLiteral("4"), QString(), QString()};
    ZahlartGewaehlt(*k, wahl, 2);
    EXPECT_EQ(wahl.zahlungsart, "GUTSCHEIN/BAR  Nr 4711");
    ZahlartGewaehlt(*k, wahl, 2);  // again: another voucher number, here none
    EXPECT_EQ(
        dialoge.fragen,
        QStringList({"Möchten sie wirklich die Zahlungsart von 'BAR' in 'KARTE' ändern",
                     "Möchten sie wirklich die Zahlungsart von 'BAR' in 'KARTE' ändern",
                     "Möchten sie wirklich die Zahlungsart von 'KARTE' in 'GUTSCHEIN/BAR' ändern",
                     "Möchten sie wirklich die Zahlungsart von 'GUTSCHEIN/BAR  Nr 4711' in "
                     "'GUTSCHEIN/BAR.....' ändern"}));
    EXPECT_EQ(dialoge.aufforderungen.size(), 4);
    EXPECT_TRUE(dialoge.unerwartet.isEmpty());
    Abfrage a = db->abfrage(QStringLiteral("SELECT Zahlungsart FROM Rechnungsuebersicht"));
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.text(0), "GUTSCHEIN/BAR");
}

TEST_F(RechnungsuebersichtTest, AChangedPaymentTypeMovesTheAmountsTheTillReportReads) {
    kellner("Anna", "2", "", {"ZahlartAendern"});
    k->werte.kellner = QStringLiteral("Anna");
    rechnung(*db, kTag, "Gastraum", "Anna", 1000, 0, 0);
    Zahlartwahl wahl{QStringLiteral("1"), QStringLiteral("BAR"), 0};
    const struct {
        int option;
        std::deque<bool> antworten;
        std::deque<std::optional<QString>> gutschein;  // number, amount
        const char* gespeichert;                       // BAR/KARTE/GUTSCHEIN
        const char* bar;
        const char* karte;
    } faelle[] = {
        {1, {true}, {}, "0/1000/0", "0,00 €", "10,00 €"},
        {2, {true}, {QString("17"), QString("4,00")}, "600/0/400", "6,00 €", "0,00 €"},
        // A voucher above the bill whose change was not paid out changes nothing.
        {2, {true, false}, {QString("18"), QString("25,00")}, "600/0/400", "6,00 €", "0,00 €"},
        {2, {true, true}, {QString("18"), QString("25,00")}, "-1500/0/2500", "-15,00 €", "0,00 €"},
        {0, {true}, {}, "1000/0/0", "10,00 €", "0,00 €"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.gespeichert);
        dialoge.jaNein = f.antworten;
        dialoge.eingaben = f.gutschein;
        ZahlartGewaehlt(*k, wahl, f.option);
        Abfrage a = db->abfrage(QStringLiteral(
            "SELECT BAR || '/' || KARTE || '/' || GUTSCHEIN, Gesamt FROM Rechnungsuebersicht"));
        ASSERT_TRUE(a.naechste());
        EXPECT_EQ(a.text(0), QString::fromUtf8(f.gespeichert));
        EXPECT_EQ(a.zahl(1), 1000);

        UmsaetzeAktualisieren(*k);
        const Dokument d = KassenberichtErzeugen(*k, kTag, kTag);
        EXPECT_EQ(d.text(kDetail, QStringLiteral("txtBAR"), 0), QString::fromUtf8(f.bar));
        EXPECT_EQ(d.text(kDetail, QStringLiteral("txtKARTE"), 0), QString::fromUtf8(f.karte));
        EXPECT_EQ(d.text(kFuss, QStringLiteral("lblSummeBrutto")), QStringLiteral("10,00 €"));
    }
    EXPECT_TRUE(dialoge.unerwartet.isEmpty());
}

TEST_F(RechnungsuebersichtTest, InvoiceReprintNeedsItsRight) {
    kellner("Anna", "2");
    k->werte.kellner = QStringLiteral("Anna");
    RechnungNachdrucken(*k, QStringLiteral("1"));
    EXPECT_EQ(dialoge.meldungen, QStringList({kKeineRechte}));
    EXPECT_TRUE(drucker.auftraege.empty());
}

TEST(Datumsbereich, PickersKeepAValidRangeUpToToday) {
    const QDate heute(2026, 12, 6);
    QDate von(2026, 12, 1), bis(2026, 12, 3);
    von = QDate(2026, 12, 9);
    DatumsbereichAnpassen(von, bis, true, heute);
    EXPECT_EQ(von, heute);
    EXPECT_EQ(bis, heute);
    bis = QDate(2026, 11, 20);
    DatumsbereichAnpassen(von, bis, false, heute);
    EXPECT_EQ(von, QDate(2026, 11, 20));
    von = QDate(2026, 11, 1);
    DatumsbereichAnpassen(von, bis, true, heute);
    EXPECT_EQ(bis, QDate(2026, 11, 20));
}

}  // namespace
