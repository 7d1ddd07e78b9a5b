#include "reports/Kassenabschluss.h"

#include "reports/Rechnungen.h"
#include "support/DbTest.h"

namespace {

const QDate kTag(2026, 12, 6);
const QString kGastraum = QStringLiteral("Gastraum");
const QString kAusser = QStringLiteral("Außer Haus");

class KassenabschlussTest : public DbTest {
protected:
    // Lokal, AußerHaus, BAR, KARTE, GUTSCHEIN, Gesamt of a date; empty when no row.
    std::vector<std::int64_t> umsatz(const QDate& datum) {
        Abfrage a = db->abfrage(QStringLiteral("SELECT Lokal, \"AußerHaus\", BAR, KARTE, GUTSCHEIN, "
                                               "Gesamt FROM AlleUmsaetze WHERE Datum = ?"),
                                datum);
        std::vector<std::int64_t> werte;
        while (a.naechste())
            for (int i = 0; i < 6; ++i) werte.push_back(a.zahl(i));
        return werte;
    }
    std::int64_t anzahl(const QString& tabelle) {
        Abfrage a = db->abfrage(QStringLiteral("SELECT COUNT(*) FROM ") + tabelle);
        a.naechste();
        return a.zahl(0);
    }
};

TEST_F(KassenabschlussTest, SplitsEatInFromTakeAwayByExactStationName) {
    UmsaetzeAktualisieren(*k);
    EXPECT_EQ(anzahl("AlleUmsaetze"), 0);

    rechnung(*db, kTag, kGastraum, "Anna", 1000, 0, 0);
    rechnung(*db, kTag, kGastraum, "Anna", 0, 2550, 0);
    rechnung(*db, kTag, kAusser, "Anna", 700, 0, 0);
    rechnung(*db, kTag, QStringLiteral("Ausser Haus"), "Anna", 0, 0, 300);
    rechnung(*db, kTag, QStringLiteral("Außer Haus "), "Anna", 100, 0, 0);
    UmsaetzeAktualisieren(*k);
    UmsaetzeAktualisieren(*k);
    EXPECT_EQ(umsatz(kTag), (std::vector<std::int64_t>{3950, 700, 1800, 2550, 300, 4650}));
}

TEST_F(KassenabschlussTest, TakeAwayOnlyAndEatInSummingToZero) {
    const QDate gestern = kTag.addDays(-1);
    rechnung(*db, gestern, kAusser, "Anna", 1200, 0, 0);
    // A cancelled bill and its reversal: eat-in sums to nothing, so no cash and card either.
    rechnung(*db, kTag, kGastraum, "Anna", 500, 0, 0);
    rechnung(*db, kTag, kGastraum, "Anna", 0, -500, 0);
    rechnung(*db, kTag, kAusser, "Anna", 0, 800, 0);
    UmsaetzeAktualisieren(*k);
    EXPECT_EQ(umsatz(gestern), (std::vector<std::int64_t>{0, 1200, 1200, 0, 0, 1200}));
    EXPECT_EQ(umsatz(kTag), (std::vector<std::int64_t>{0, 800, 0, 800, 0, 800}));
}

TEST_F(KassenabschlussTest, ClosingCountsEveryBillOnceAcrossClosingsAndDates) {
    const QDate gestern = kTag.addDays(-1);
    rechnung(*db, gestern, kGastraum, "Anna", 900, 0, 0);  // a closing was skipped
    rechnung(*db, kTag, kGastraum, "Anna", 1000, 0, 0);
    rechnung(*db, kTag, kAusser, "Anna", 0, 500, 0);
    UmsaetzeAbschliessen(*k);
    EXPECT_EQ(anzahl("Rechnungsuebersicht"), 0);
    EXPECT_EQ(anzahl("RechnungDetails"), 0);
    EXPECT_EQ(umsatz(gestern), (std::vector<std::int64_t>{900, 0, 900, 0, 0, 900}));

    // Bills settled after the first closing of the same date add to it.
    rechnung(*db, kTag, kGastraum, "Anna", 0, 0, 250);
    UmsaetzeAktualisieren(*k);
    EXPECT_EQ(umsatz(kTag), (std::vector<std::int64_t>{1250, 500, 1000, 500, 250, 1750}));
    UmsaetzeAbschliessen(*k);
    UmsaetzeAbschliessen(*k);
    rechnung(*db, kTag, kAusser, "Anna", 100, 0, 0);
    UmsaetzeAktualisieren(*k);
    EXPECT_EQ(umsatz(kTag), (std::vector<std::int64_t>{1250, 600, 1100, 500, 250, 1850}));
    EXPECT_EQ(umsatz(gestern), (std::vector<std::int64_t>{900, 0, 900, 0, 0, 900}));
}

TEST_F(KassenabschlussTest, FailedClosingKeepsBillsAndTotalsAsTheyWere) {
    rechnung(*db, kTag, kGastraum, "Anna", 1000, 0, 0);
    UmsaetzeAktualisieren(*k);
    rechnung(*db, kTag, kGastraum, "Anna", 500, 0, 0);
    fehlerEinbauen("DELETE", "RechnungDetails", "gesperrt");
    EXPECT_THROW(UmsaetzeAbschliessen(*k), DbFehler);
    EXPECT_EQ(anzahl("Rechnungsuebersicht"), 2);
    EXPECT_EQ(umsatz(kTag), (std::vector<std::int64_t>{1000, 0, 1000, 0, 0, 1000}));
    EXPECT_EQ(anzahl("Abschlussumsaetze"), 0);
}

}  // namespace
