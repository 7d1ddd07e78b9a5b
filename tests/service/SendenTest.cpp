#include "LedgerTest.h"
#include "service/Eintragen.h"
#include "service/Extras.h"
#include "service/Senden.h"
#include "service/Stornieren.h"

using TischNeuesGerichtLoeschenTest = LedgerTest;
using StornosTemporaerLoeschenTest = LedgerTest;

TEST_F(TischNeuesGerichtLoeschenTest, EqualDishesBecomeOneSentLine) {
    ASSERT_TRUE(GerichtEintragen(*k, "20", "1"));
    ASSERT_TRUE(GerichtEintragen(*k, "20", "2"));
    TischNeuesGerichtLoeschen(*k);
    auto liste = zeilen();
    ASSERT_EQ(liste.size(), 1);
    EXPECT_EQ(liste[0].tischDetails, kAlt);
    EXPECT_EQ(liste[0].menge, 3);
    EXPECT_EQ(liste[0].mengeText, QStringLiteral("3x"));
    EXPECT_EQ(liste[0].gpreis, Geld(3870));

    // The next round joins the sent line.
    ASSERT_TRUE(GerichtEintragen(*k, "20", "4"));
    EXPECT_TRUE(TischNeuesGerichtPruefen(*k));
    TischNeuesGerichtLoeschen(*k);
    EXPECT_FALSE(TischNeuesGerichtPruefen(*k));
    liste = zeilen();
    ASSERT_EQ(liste.size(), 1);
    EXPECT_EQ(liste[0].menge, 7);
    EXPECT_EQ(liste[0].mengeText, QStringLiteral("7x"));
    EXPECT_EQ(liste[0].gpreis, Geld(9030));
}

TEST_F(TischNeuesGerichtLoeschenTest, LinesWithExtrasNeverMergeAndKeepTheirExtras) {
    const std::int64_t gesendet = offeneZeile("20", 1, kAlt);
    const std::int64_t mitExtra = offeneZeile("20", 1, kNeu);
    ASSERT_TRUE(ExtraEintragen(*k, mitExtra, {"501"}));
    TischNeuesGerichtLoeschen(*k);
    // A second dish with extras beside the first.
    const std::int64_t zweiterMitExtra = offeneZeile("20", 1, kNeu);
    ASSERT_TRUE(ExtraEintragen(*k, zweiterMitExtra, {"501"}));
    TischNeuesGerichtLoeschen(*k);

    const auto liste = zeilen();
    ASSERT_EQ(liste.size(), 5);
    for (const Tischzeile& z : liste) {
        EXPECT_EQ(z.tischDetails, kAlt);
        EXPECT_EQ(z.menge, 1);
    }
    EXPECT_EQ(liste[0].id, gesendet);
    EXPECT_EQ(liste[0].extra, kNein);
    // Every extra still points at a line of its group.
    EXPECT_EQ(liste[2].regId, mitExtra);
    EXPECT_EQ(liste[1].id, mitExtra);
    EXPECT_EQ(liste[4].regId, zweiterMitExtra);
    EXPECT_EQ(liste[3].id, zweiterMitExtra);
}

TEST_F(TischNeuesGerichtLoeschenTest, SentLinesGoToTheTablesWaiterOthersLinesStayNew) {
    kellner("Anna", "3000");
    kellner("Ben", "4000");
    offeneZeile("10", 2, kAlt, "Anna");
    const std::int64_t vonBen = offeneZeile("20", 1, kNeu, "Ben");
    ASSERT_TRUE(GerichtEintragen(*k, "10", "1"));
    ASSERT_TRUE(GerichtEintragen(*k, "20", "1"));
    TischNeuesGerichtLoeschen(*k);

    const auto liste = zeilen();
    ASSERT_EQ(liste.size(), 3);
    EXPECT_EQ(liste[0].menge, 3);
    EXPECT_EQ(liste[0].kellner, QStringLiteral("Anna"));
    EXPECT_EQ(liste[1].id, vonBen);
    EXPECT_EQ(liste[1].tischDetails, kNeu);
    EXPECT_EQ(liste[1].kellner, QStringLiteral("Ben"));
    EXPECT_EQ(liste[2].tischDetails, kAlt);
    EXPECT_EQ(liste[2].kellner, QStringLiteral("Anna"));

    // A table without sent lines becomes the current waiter's.
    amTisch("Tom", "Gastraum", "2");
    ASSERT_TRUE(GerichtEintragen(*k, "10", "1"));
    TischNeuesGerichtLoeschen(*k);
    EXPECT_EQ(zeilen().last().kellner, QStringLiteral("Tom"));
    EXPECT_EQ(zeilen().last().tischDetails, kAlt);
}

TEST_F(StornosTemporaerLoeschenTest, EveryPendingRowMovesWithItsColumns) {
    const std::int64_t hier = offeneZeile("20", 3, kAlt);
    amTisch("Tom", "Gastraum", "2");
    const std::int64_t dort = offeneZeile("10", 1, kAlt);
    ASSERT_TRUE(GerichtStornieren(*k, dort, kAlt));
    amTisch("Tom", "Gastraum", "1");
    dialoge.zahlen = {"2"};
    ASSERT_TRUE(GerichtStornieren(*k, hier, kAlt));
    const auto vorher = zeilen("StornosTemporaer");

    uhr.stellen(QDate(2026, 12, 6), QTime(15, 30, 59));
    StornosTemporaerLoeschen(*k);
    EXPECT_TRUE(zeilen("StornosTemporaer").isEmpty());
    const auto log = zeilen("Stornos");
    ASSERT_EQ(log.size(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(log[i], geaendert(vorher[i], log[i].id, vorher[i].menge, vorher[i].gpreis,
                                    vorher[i].kellner, "15:30"));
    EXPECT_EQ(log[0].tisch, QStringLiteral("2"));
}
