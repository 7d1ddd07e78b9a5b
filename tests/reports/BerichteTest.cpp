#include "reports/Berichte.h"
#include "reports/Kassenabschluss.h"
#include "reports/Rechnungen.h"
#include "support/DbTest.h"

namespace {

const QDate kTag(2026, 12, 6);

class BerichteTest : public DbTest {
  protected:
    void umsatz(const QDate& datum, std::int64_t lokal, std::int64_t ausserHaus, std::int64_t bar,
                std::int64_t karte) {
        db->ausfuehren(QStringLiteral("INSERT INTO AlleUmsaetze (Datum, Lokal, \"AußerHaus\", BAR, "
                                      "KARTE, GUTSCHEIN, Gesamt) VALUES (?, ?, ?, ?, ?, 0, ?)"),
                       datum, lokal, ausserHaus, bar, karte, lokal + ausserHaus);
    }
    void storno(const QString& kellner, int menge, std::int64_t epreis, const QDate& datum = kTag) {
        db->ausfuehren(
            QStringLiteral("INSERT INTO Stornos (Station, Tisch, Kellner, PLU, Gericht, "
                           "Menge, EPREIS, GPREIS, Datum, Zeit) "
                           "VALUES ('Gastraum', '5', ?, '1', 'Pils', ?, ?, ?, ?, '12:00')"),
            kellner, menge, epreis, menge * epreis, datum);
    }
    void betrieb() {
        db->ausfuehren(
            QStringLiteral("INSERT INTO Betrieb (Name, Adresszeile, Telefon) VALUES "
                           "('Lindenhof', 'Am Hof 3', 'Tel. 1')"));
    }
};

TEST_F(BerichteTest, TillReportOfARangeWithoutTurnoverShowsZeros) {
    betrieb();
    umsatz(kTag.addDays(-10), 5000, 0, 5000, 0);  // outside the range
    const Dokument d = KassenberichtErzeugen(*k, kTag, kTag);
    EXPECT_EQ(d.text(kKopf, "lblTagesumsatz"), "Kassenbericht");
    EXPECT_EQ(d.text(kKopf, "lblDatum"), "06.12.2026");
    EXPECT_EQ(d.text(kKopf, "lblAdresse"), "Lindenhof · Am Hof 3 · Tel. 1");
    for (const char* feld : {"txtStation1", "txtStation2", "txtBAR", "txtKARTE", "txtZIMMER"})
        EXPECT_EQ(d.text(kDetail, feld, 0), "0,00 €") << feld;
    EXPECT_EQ(d.text(kFuss, "lblSummeBrutto"), "0,00 €");
}

TEST_F(BerichteTest, TillReportSumsTheDaysOfItsRangeIntoOneRow) {
    umsatz(kTag.addDays(-2), 120000, 3550, 100000, 23550);
    umsatz(kTag, 1000, 0, 0, 1000);
    umsatz(kTag.addDays(1), 777, 0, 777, 0);
    KassenberichtErzeugen(*k, kTag, kTag);  // a second call starts the scratch table afresh
    const Dokument d = KassenberichtErzeugen(*k, kTag.addDays(-2), kTag);
    EXPECT_EQ(d.text(kKopf, "lblDatum"), "von 04.12.2026 bis 06.12.2026");
    EXPECT_EQ(d.detailzeilen(), 1);
    EXPECT_EQ(d.text(kDetail, "lblStation1", 0), "Gastraum + Biergarten");
    EXPECT_EQ(d.text(kDetail, "txtStation1", 0), "1.210,00 €");
    EXPECT_EQ(d.text(kDetail, "txtStation2", 0), "35,50 €");
    EXPECT_EQ(d.text(kDetail, "txtBAR", 0), "1.000,00 €");
    EXPECT_EQ(d.text(kDetail, "txtKARTE", 0), "245,50 €");
    EXPECT_EQ(d.text(kFuss, "lblSummeBrutto"), "1.245,50 €");
}

TEST_F(BerichteTest, WaiterReportShowsOpenSettledAndCancelledPerStaffMember) {
    kellner("Anna", "1111");
    kellner("Bernd", "2222");
    kellner("Carla", "3333");
    station("Gastraum", {"5"});
    artikel("1", "Pils", 350);
    amTisch("Anna", "Gastraum", "5");
    offeneZeile("1", 2);  // Anna: only an open table
    rechnung(*db, kTag, "Gastraum", "Bernd", 1000, 500, 250);
    storno("Bernd", -3, 250);
    rechnung(*db, kTag, "Gastraum", "Dora", 9900, 0, 0);  // no longer on the staff
    rechnung(*db, kTag.addDays(-1), "Gastraum", "Bernd", 4000, 0, 0);

    const Dokument alle = KellnerberichtErzeugen(*k, QString(), kTag, kTag);
    ASSERT_EQ(alle.detailzeilen(), 3);
    EXPECT_EQ(alle.texte(kDetail), QStringList({"Kellner :",
                                                "Anna",
                                                "Offene Rechnungen",
                                                "7,00",
                                                "Kassiert",
                                                "",
                                                "Zimmer",
                                                "",
                                                "Stornos",
                                                "",
                                                "Kellner :",
                                                "Bernd",
                                                "Offene Rechnungen",
                                                "",
                                                "Kassiert",
                                                "17,50",
                                                "Zimmer",
                                                "0,00",
                                                "Stornos",
                                                "-7,50",
                                                "Kellner :",
                                                "Carla",
                                                "Offene Rechnungen",
                                                "",
                                                "Kassiert",
                                                "",
                                                "Zimmer",
                                                "",
                                                "Stornos",
                                                ""}));
    EXPECT_EQ(alle.text(kFuss, "lblSummeBrutto"), "24,50 €");

    const Dokument bernd = KellnerberichtErzeugen(*k, QStringLiteral("Bernd"), kTag, kTag);
    ASSERT_EQ(bernd.detailzeilen(), 1);
    EXPECT_EQ(bernd.text(kDetail, "txtKellner", 0), "Bernd");
    EXPECT_EQ(bernd.text(kFuss, "lblSummeBrutto"), "17,50 €");
}

TEST_F(BerichteTest, TurnoverReportSplitsByTheRatesOfTheBillsLines) {
    // Yesterday's bill is already closed; today's are still stored; tomorrow is outside.
    const QString zeit = QStringLiteral("12:00:00");
    rechnung(*db, kTag.addDays(-1), "Gastraum", "Anna", 11900, 0, 0, zeit, 1900);
    UmsaetzeAbschliessen(*k);
    rechnung(*db, kTag, "Außer Haus", "Anna", 10700, 0, 0, zeit, 700);
    rechnung(*db, kTag, "Gastraum", "Anna", 0, 2380, 0, zeit, 1900);
    rechnung(*db, kTag, "Gastraum", "Anna", 1070, 0, 0, zeit, 1070);
    rechnung(*db, kTag.addDays(1), "Gastraum", "Anna", 5000, 0, 0, zeit, 700);
    UmsaetzeAktualisieren(*k);

    const Dokument d = UmsatzberichtErzeugen(*k, kTag.addDays(-1), kTag);
    EXPECT_EQ(d.texte(kDetail), QStringList({"Samstag", "05.12.2026", "119,00 €", "0,00 €",
                                             "Sonntag", "06.12.2026", "34,50 €", "107,00 €"}));
    const QStringList erwartet[] = {
        {"19 %", "120,00 €", "22,80 €", "142,80 €"},
        {"7 %", "100,00 €", "7,00 €", "107,00 €"},
        {"10,7 %", "9,67 €", "1,03 €", "10,70 €"},
    };
    for (int i = 0; i < 3; ++i) {
        QStringList zeile;
        for (const char* spalte :
             {"lblSteuersatz", "lblSteuerNetto", "lblSteuerMwSt", "lblSteuerBrutto"})
            zeile << d.text(kFuss, QString::fromUtf8(spalte) + QString::number(i));
        EXPECT_EQ(zeile, erwartet[i]) << i;
    }
    EXPECT_EQ(d.text(kFuss, "lblSteuersatz3"), QString());
    EXPECT_EQ(d.text(kFuss, "FunktionBrutto"), "260,50 €");
}

TEST_F(BerichteTest, HotelReportListsTheBillsOfTheRange) {
    db->ausfuehren(QStringLiteral(
        "INSERT INTO AbrechnungHotel (Mitarbeiter, Datum, Anreise, Abreise, ZimmerNr, "
        "Zimmerleistung, Gesamt, BAR, GUTSCHEIN, KARTE) VALUES "
        "('Anna', '2026-12-06', '2026-12-03', '2026-12-06', 103, 'ÜF', 37200, 0, 0, 37200), "
        "('Anna', '2026-12-06', '2026-12-05', '2026-12-06', 101, 'Ü', 6900, 5000, 1900, 0), "
        "('Anna', '2026-11-30', '2026-11-29', '2026-11-30', 101, 'Ü', 6900, 6900, 0, 0)"));
    const Dokument d = HotelberichtErzeugen(*k, kTag, kTag);
    EXPECT_EQ(d.texte(kDetail),
              QStringList({"06.12.2026", "103", "3", "ÜF", "372,00 €", "KARTE", "06.12.2026", "101",
                           "1", "Ü", "69,00 €", "BAR GUTSCHEIN"}));
    EXPECT_EQ(d.text(kFuss, "FunktionGesamt"), "441,00 €");
}

}  // namespace
