#include "LedgerTest.h"
#include "service/AufHaus.h"
#include "service/Eingabe.h"
#include "service/Eintragen.h"
#include "service/Extras.h"

using GerichtEintragenTest = LedgerTest;
using FreiesGerichtEintragenTest = LedgerTest;

TEST_F(GerichtEintragenTest, ADrinkOrderedTwiceIsOneLineWithEveryColumnFilled) {
    ASSERT_TRUE(GerichtEintragen(*k, "10", "2"));
    kellner("Anna", "3000");
    amTisch("Anna", "Gastraum", "1");
    uhr.stellen(QDate(2026, 12, 6), QTime(12, 5, 7));
    ASSERT_TRUE(GerichtEintragen(*k, "10", "3"));

    const auto liste = zeilen();
    ASSERT_EQ(liste.size(), 1);
    const Tischzeile& z = liste[0];
    EXPECT_EQ(z.regId, z.id);
    EXPECT_EQ(z.menge, 5);
    EXPECT_EQ(z.mengeText, QStringLiteral("5x"));
    EXPECT_EQ(z.gpreis, Geld(1750));
    EXPECT_EQ(z.epreis, Geld(350));
    EXPECT_EQ(z.kellner, QStringLiteral("Anna"));  // the latest waiter and time
    EXPECT_EQ(z.zeit, QStringLiteral("12:05:07"));
    EXPECT_EQ(z.datum, QDate(2026, 12, 6));
    EXPECT_EQ(z.station, QStringLiteral("Gastraum"));
    EXPECT_EQ(z.tisch, QStringLiteral("1"));
    EXPECT_EQ(z.tischDetails, kNeu);
    EXPECT_EQ(z.plu, QStringLiteral("10"));
    EXPECT_EQ(z.pluId, QStringLiteral("10"));
    EXPECT_EQ(z.gericht, QStringLiteral("Pils"));
    EXPECT_EQ(z.idwg, kGetraenke);
    EXPECT_EQ(z.wg, QStringLiteral("Bier"));
    EXPECT_EQ(z.bondrucker, QStringLiteral("Thekendrucker"));
    EXPECT_EQ(z.stationsdrucker, QStringLiteral("kein Drucker"));
    EXPECT_EQ(z.extra, kNein);
    EXPECT_EQ(z.kommentar, kNein);
    EXPECT_TRUE(dialoge.meldungen.isEmpty());
}

TEST_F(GerichtEintragenTest, FoodAndDrinksWithExtrasGetLinesOfTheirOwn) {
    ASSERT_TRUE(GerichtEintragen(*k, "20", "1"));
    ASSERT_TRUE(GerichtEintragen(*k, "20", "2"));
    auto liste = zeilen();
    ASSERT_EQ(liste.size(), 2);
    EXPECT_EQ(liste[1].mengeText, QStringLiteral("2x"));
    EXPECT_EQ(liste[1].gpreis, Geld(2580));
    EXPECT_EQ(liste[1].regId, liste[1].id);

    // A drink that received an extra keeps its quantity, so "+ 1x ..." stays true.
    artikel("30", "Cola", 300, "Alkoholfrei");
    artikel("503", "Zitrone", 20, "Extra");
    ASSERT_TRUE(GerichtEintragen(*k, "30", "1"));
    const std::int64_t cola = zeilen().last().id;
    ASSERT_TRUE(ExtraEintragen(*k, cola, {"503"}));
    ASSERT_TRUE(GerichtEintragen(*k, "30", "2"));
    ASSERT_TRUE(GerichtEintragen(*k, "30", "1"));
    liste = zeilen();
    ASSERT_EQ(liste.size(), 5);
    EXPECT_EQ(liste[2].menge, 1);
    EXPECT_EQ(liste[4].menge, 3);
    EXPECT_EQ(liste[4].pluId, QStringLiteral("30"));
}

TEST_F(GerichtEintragenTest, ADrinkGivenAwayIsNotChargedAgainByTheNextOrder) {
    kellner("Chefin", "4000", {}, {"Rabatte"});
    amTisch("Chefin", "Gastraum", "1");
    ASSERT_TRUE(GerichtEintragen(*k, "10", "2"));
    ASSERT_TRUE(AufHaus(*k, {"Gastraum", "1"}, zeilen().first().id));
    ASSERT_TRUE(GerichtEintragen(*k, "10", "1"));

    const auto liste = zeilen();
    ASSERT_EQ(liste.size(), 2);
    EXPECT_EQ(liste[0].menge, 2);
    EXPECT_EQ(liste[0].gpreis, Geld());
    EXPECT_EQ(liste[1].menge, 1);
    EXPECT_EQ(liste[1].gpreis, Geld(350));
}

TEST_F(GerichtEintragenTest, TheMergeStaysOnTheOpenTable) {
    // New lines left behind elsewhere, e.g. by a power cut while a table was open.
    station("Biergarten", {"1"});
    amTisch("Tom", "Gastraum", "2");
    offeneZeile("10", 4, kNeu);
    ASSERT_TRUE(
        FreiesGerichtEintragen(*k, "ThekenDrucker", kFreiesGetraenk, "1", "Getränke", Geld(250)));
    amTisch("Tom", "Biergarten", "1");
    offeneZeile("10", 6, kNeu);

    amTisch("Tom", "Gastraum", "1");
    ASSERT_TRUE(GerichtEintragen(*k, "10", "2"));
    ASSERT_TRUE(
        FreiesGerichtEintragen(*k, "ThekenDrucker", kFreiesGetraenk, "2", "Getränke", Geld(250)));
    auto liste = zeilen();
    ASSERT_EQ(liste.size(), 5);
    EXPECT_EQ(liste[1].menge, 1);
    EXPECT_EQ(liste[4].menge, 2);
    EXPECT_EQ(liste[4].tisch, QStringLiteral("1"));
    liste.removeAt(4);
    liste.removeAt(1);
    EXPECT_EQ(liste[0].menge, 4);
    EXPECT_EQ(liste[1].menge, 6);
    EXPECT_EQ(liste[2].menge, 2);
    EXPECT_EQ(liste[2].tisch, QStringLiteral("1"));
    EXPECT_EQ(liste[2].station, QStringLiteral("Gastraum"));
}

TEST_F(GerichtEintragenTest, UnknownArticlesAndBadQuantitiesAddNothing) {
    for (const char* plu : {"99", "", "1'0", "10 "}) {
        EXPECT_FALSE(GerichtEintragen(*k, QString::fromUtf8(plu), "1")) << plu;
        EXPECT_EQ(dialoge.meldungen.takeLast(), kGerichtUnbekannt);
    }
    for (const char* menge : {"", "0", "abc", "123456789012", "-1"}) {
        EXPECT_FALSE(GerichtEintragen(*k, "10", QString::fromUtf8(menge))) << menge;
        EXPECT_EQ(dialoge.meldungen.takeLast(), kMengeUngueltig);
    }
    EXPECT_TRUE(zeilen().isEmpty());
    EXPECT_TRUE(dialoge.meldungen.isEmpty());
}

TEST_F(GerichtEintragenTest, ALineCarriesTheBusinessDay) {
    uhr.stellen(QDate(2026, 12, 7), QTime(3, 59, 59));
    ASSERT_TRUE(GerichtEintragen(*k, "20", "1"));
    uhr.stellen(QDate(2026, 12, 7), QTime(4, 0, 0));
    ASSERT_TRUE(GerichtEintragen(*k, "20", "1"));
    const auto liste = zeilen();
    ASSERT_EQ(liste.size(), 2);
    EXPECT_EQ(liste[0].datum, QDate(2026, 12, 6));
    EXPECT_EQ(liste[0].zeit, QStringLiteral("03:59:59"));
    EXPECT_EQ(liste[1].datum, QDate(2026, 12, 7));
    EXPECT_EQ(liste[1].zeit, QStringLiteral("04:00:00"));
}

TEST_F(FreiesGerichtEintragenTest, DrinksOfEqualPriceMergeFoodNever) {
    const QString theke = QStringLiteral("ThekenDrucker");
    const QString kueche = QStringLiteral("KüchenDrucker");
    ASSERT_TRUE(FreiesGerichtEintragen(*k, theke, kFreiesGetraenk, "3", "Getränke", Geld(250)));
    ASSERT_TRUE(FreiesGerichtEintragen(*k, theke, kFreiesGetraenk, "1", "Getränke", Geld(250)));
    ASSERT_TRUE(FreiesGerichtEintragen(*k, theke, kFreiesGetraenk, "1", "Getränke", Geld(300)));
    ASSERT_TRUE(FreiesGerichtEintragen(*k, kueche, kFreieSpeise, "1", "Speise", Geld(990)));
    ASSERT_TRUE(FreiesGerichtEintragen(*k, kueche, kFreieSpeise, "1", "Speise", Geld(990)));
    EXPECT_FALSE(FreiesGerichtEintragen(*k, kueche, kFreieSpeise, "x", "Speise", Geld(990)));
    EXPECT_EQ(dialoge.meldungen, QStringList{kMengeUngueltig});

    const auto liste = zeilen();
    ASSERT_EQ(liste.size(), 4);
    const Tischzeile& getraenk = liste[0];
    EXPECT_EQ(getraenk.menge, 4);
    EXPECT_EQ(getraenk.mengeText, QStringLiteral("4x"));
    EXPECT_EQ(getraenk.gpreis, Geld(1000));
    EXPECT_EQ(getraenk.plu, kFreiesGetraenk);
    EXPECT_EQ(getraenk.pluId, kFreiesGetraenk);
    EXPECT_EQ(getraenk.idwg, kGetraenke);
    EXPECT_EQ(getraenk.gericht, QStringLiteral("Getränke"));
    EXPECT_EQ(getraenk.bondrucker, theke);
    EXPECT_EQ(getraenk.stationsdrucker, theke);
    EXPECT_TRUE(getraenk.wg.isEmpty());
    EXPECT_EQ(getraenk.regId, getraenk.id);
    EXPECT_EQ(liste[1].epreis, Geld(300));
    EXPECT_EQ(liste[2].idwg, QStringLiteral("Speisen"));
    EXPECT_EQ(liste[3].bondrucker, kueche);
}
