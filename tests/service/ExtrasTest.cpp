#include "LedgerTest.h"
#include "service/Extras.h"

using ExtraEintragenTest = LedgerTest;

TEST_F(ExtraEintragenTest, ExtrasJoinTheLinesGroupWithItsQuantity) {
    const std::int64_t schnitzel = offeneZeile("20", 2, kNeu);
    const std::int64_t anderes = offeneZeile("20", 1, kNeu);
    uhr.stellen(QDate(2026, 12, 7), QTime(1, 30, 0));
    ASSERT_TRUE(ExtraEintragen(*k, schnitzel, {"501", "502"}));

    const auto liste = zeilen();
    ASSERT_EQ(liste.size(), 4);
    EXPECT_EQ(liste[0].extra, kJa);
    EXPECT_EQ(liste[1].extra, kNein);
    const Tischzeile& pommes = liste[2];
    EXPECT_EQ(pommes.regId, schnitzel);
    EXPECT_EQ(pommes.gericht, QStringLiteral("+ 2x Pommes"));
    EXPECT_EQ(pommes.menge, 2);
    EXPECT_TRUE(pommes.mengeText.isEmpty());
    EXPECT_TRUE(pommes.plu.isEmpty());
    EXPECT_EQ(pommes.pluId, QStringLiteral("501"));
    EXPECT_EQ(pommes.epreis, Geld(350));
    EXPECT_EQ(pommes.gpreis, Geld(700));
    EXPECT_EQ(pommes.extra, kJa);
    EXPECT_EQ(pommes.kommentar, kNein);
    EXPECT_EQ(pommes.tischDetails, kNeu);
    EXPECT_EQ(pommes.kellner, QStringLiteral("Tom"));
    EXPECT_EQ(pommes.wg, QStringLiteral("Extra"));
    EXPECT_EQ(pommes.bondrucker, QStringLiteral("Küchendrucker"));
    EXPECT_EQ(pommes.datum, QDate(2026, 12, 6));
    EXPECT_EQ(pommes.zeit, QStringLiteral("01:30:00"));
    EXPECT_EQ(liste[3].gericht, QStringLiteral("+ 2x Salat"));
    EXPECT_EQ(liste[3].gpreis, Geld(560));

    // The extras window refuses an extra already on the group, naming it.
    EXPECT_TRUE(ExtraBereitsGewaehlt(*k, schnitzel, "501", "Pommes"));
    EXPECT_EQ(dialoge.meldungen,
              QStringList{QStringLiteral("'Pommes' ist für dieses Gericht bereits gewählt")});
    EXPECT_FALSE(ExtraBereitsGewaehlt(*k, anderes, "501", "Pommes"));
    EXPECT_FALSE(ExtraEintragen(*k, 9999, {"501"}));
    EXPECT_EQ(zeilen().size(), 4);
}
