#include "core/Rechte.h"
#include "reports/Rechnungen.h"
#include "reports/Tagesberichte.h"
#include "service/Rechnungsspeicher.h"
#include "service/Tischzeilen.h"
#include "support/DbTest.h"
#include "support/Posten.h"

namespace {

class TagesberichteTest : public DbTest {
  protected:
    TagesberichteTest() {
        kellner("Chef", "1111", "",
                {"KassenberichtDrucken", "KellnerberichtDrucken", "Kassenabschluss"});
        kellner("Anna", "2222");
        k->werte.kellner = QStringLiteral("Chef");
        // Each preview: its title, its date line and how many bills were stored meanwhile.
        dialoge.beiVorschau = [this](const Dokument& d) {
            Abfrage a = db->abfrage(QStringLiteral("SELECT COUNT(*) FROM Rechnungsuebersicht"));
            a.naechste();
            gezeigt << d.titel + QLatin1Char(' ') + d.text(kKopf, QStringLiteral("lblDatum")) +
                           QLatin1Char(' ') + QString::number(a.zahl(0));
            summen << d.text(kFuss, QStringLiteral("lblSummeBrutto"));
        };
    }
    QStringList gezeigt, summen;
};

TEST_F(TagesberichteTest, EveryEntryRefusesWithoutItsRight) {
    k->werte.kellner = QStringLiteral("Anna");
    rechnung(*db, QDate(2026, 12, 6), "Gastraum", "Anna", 1000, 0, 0);
    mnuKassenbericht(*k);
    mnuKellnerbericht(*k);
    mnuKassenabschluss(*k);
    EXPECT_EQ(dialoge.meldungen, QStringList(3, kKeineRechte));
    EXPECT_EQ(dialoge.vorschauen, 0);
    Abfrage a = db->abfrage(QStringLiteral("SELECT COUNT(*) FROM Rechnungsuebersicht"));
    a.naechste();
    EXPECT_EQ(a.zahl(0), 1);
}

TEST_F(TagesberichteTest, ClosingBeforeFourClosesThePreviousDayWithItsBillsAfterMidnight) {
    // Settled at eight in the evening and at one in the morning; closed at one.
    amTisch("Chef", "Gastraum", "5");
    const struct {
        QDateTime zeitpunkt;
        std::int64_t cent;
    } abrechnungen[] = {{{QDate(2026, 12, 5), QTime(20, 0)}, 10000},
                        {{QDate(2026, 12, 6), QTime(1, 0)}, 5000}};
    for (const auto& a : abrechnungen) {
        uhr.zeit = a.zeitpunkt;
        Posten p;
        p.cent = a.cent;
        PostenAnlegen(*db, p.aufZahlliste());
        ASSERT_TRUE(RechnungDetails(*k, kZahlen, kBar, {}, kKassenbon));
    }
    dialoge.jaNein = {true, true};
    mnuKassenabschluss(*k);
    // The waiter report while the bills are there, the till report after they went.
    EXPECT_EQ(gezeigt, QStringList({"Kellnerbericht 05.12.2026 2", "Kassenbericht 05.12.2026 0"}));
    EXPECT_EQ(summen, QStringList({"150,00 €", "150,00 €"}));

    // From four o'clock on the closing covers the new day.
    gezeigt.clear();
    summen.clear();
    rechnung(*db, QDate(2026, 12, 6), "Gastraum", "Chef", 200, 0, 0);
    uhr.stellen(QDate(2026, 12, 6), QTime(4, 0));
    mnuKassenabschluss(*k);
    EXPECT_EQ(gezeigt, QStringList({"Kellnerbericht 06.12.2026 1", "Kassenbericht 06.12.2026 0"}));
    EXPECT_EQ(summen.last(), "2,00 €");
}

TEST_F(TagesberichteTest, TheClosingAsksFirstAndNamesTheTablesStillOpen) {
    rechnung(*db, QDate(2026, 12, 6), "Gastraum", "Chef", 1000, 0, 0);
    offeneZeile("Gastraum", "5", "Anna");
    offeneZeile("Gastraum", "5", "Chef");
    offeneZeile("Biergarten", "12", "Anna");
    dialoge.jaNein = {false};
    mnuKassenabschluss(*k);
    EXPECT_EQ(dialoge.fragen, QStringList{"Kassenabschluss jetzt durchführen?\n\n"
                                          "Noch offene Tische: Biergarten 12, Gastraum 5"});
    EXPECT_EQ(dialoge.vorschauen, 0);
    Abfrage a = db->abfrage(QStringLiteral("SELECT COUNT(*) FROM Rechnungsuebersicht"));
    a.naechste();
    EXPECT_EQ(a.zahl(0), 1);

    db->ausfuehren("DELETE FROM OffeneTische");
    dialoge.fragen.clear();
    dialoge.jaNein = {true};
    mnuKassenabschluss(*k);
    EXPECT_EQ(dialoge.fragen, QStringList{"Kassenabschluss jetzt durchführen?"});
    EXPECT_EQ(gezeigt, QStringList({"Kellnerbericht 06.12.2026 1", "Kassenbericht 06.12.2026 0"}));
}

TEST_F(TagesberichteTest, ReportsOfTheDayRefreshTheTotalsFirst) {
    rechnung(*db, QDate(2026, 12, 6), "Gastraum", "Chef", 1000, 0, 0);
    rechnung(*db, QDate(2026, 12, 6), "Gastraum", "Anna", 0, 400, 0);
    mnuKassenbericht(*k);
    mnuKellnerbericht(*k);
    EXPECT_EQ(gezeigt, QStringList({"Kassenbericht 06.12.2026 2", "Kellnerbericht 06.12.2026 2"}));
    EXPECT_EQ(summen, QStringList({"14,00 €", "10,00 €"}));
}

}  // namespace
