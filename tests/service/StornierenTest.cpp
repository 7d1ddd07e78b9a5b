#include "LedgerTest.h"
#include "service/Anzahl.h"
#include "service/Extras.h"
#include "service/Stornieren.h"

using GerichtStornierenTest = LedgerTest;
using GruppeStornierenTest = LedgerTest;

TEST_F(GerichtStornierenTest, TwoSentSinglesBecomeOnePendingRowOfMinusTwo) {
    const std::int64_t erste = offeneZeile("20", 1, kAlt, "Anna");
    const std::int64_t zweite = offeneZeile("20", 1, kAlt, "Anna");
    const Tischzeile zuletzt = zeilen().last();
    uhr.stellen(QDate(2026, 12, 6), QTime(13, 7, 45));
    ASSERT_TRUE(GerichtStornieren(*k, erste, kAlt));
    ASSERT_TRUE(GerichtStornieren(*k, zweite, kAlt));

    EXPECT_TRUE(dialoge.aufforderungen.isEmpty());
    EXPECT_TRUE(zeilen().isEmpty());
    const auto storno = zeilen("StornosTemporaer");
    ASSERT_EQ(storno.size(), 1);
    // Every column of the last line cancelled, the canceller and the time.
    EXPECT_EQ(storno[0], geaendert(zuletzt, storno[0].id, -2, Geld(2580), "Tom", "13:07"));
}

TEST_F(GerichtStornierenTest, PartOfASentLineAsksTheQuantity) {
    const std::int64_t id = offeneZeile("20", 5, kAlt);
    dialoge.zahlen = {"6", "0", "-2", "abc", kAbbrechen, "2"};
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(GerichtStornieren(*k, id, kAlt));
    EXPECT_TRUE(zeilen("StornosTemporaer").isEmpty());
    ASSERT_TRUE(GerichtStornieren(*k, id, kAlt));
    EXPECT_EQ(dialoge.aufforderungen, QStringList(6, kAnzahlEingeben));

    auto liste = zeilen();
    ASSERT_EQ(liste.size(), 1);
    EXPECT_EQ(liste[0].menge, 3);
    EXPECT_EQ(liste[0].mengeText, QStringLiteral("3x"));
    EXPECT_EQ(liste[0].gpreis, Geld(3870));
    auto storno = zeilen("StornosTemporaer");
    ASSERT_EQ(storno.size(), 1);
    EXPECT_EQ(storno[0].menge, -2);
    EXPECT_EQ(storno[0].gpreis, Geld(2580));

    // The rest goes too, adding up in the same pending row.
    dialoge.zahlen = {"3"};
    ASSERT_TRUE(GerichtStornieren(*k, id, kAlt));
    EXPECT_TRUE(zeilen().isEmpty());
    storno = zeilen("StornosTemporaer");
    ASSERT_EQ(storno.size(), 1);
    EXPECT_EQ(storno[0].menge, -5);
    EXPECT_EQ(storno[0].mengeText, QStringLiteral("-5x"));
    EXPECT_EQ(storno[0].gpreis, Geld(6450));

    const std::int64_t ganz = offeneZeile("10", 5, kAlt);
    dialoge.zahlen = {"5"};
    ASSERT_TRUE(GerichtStornieren(*k, ganz, kAlt));
    EXPECT_TRUE(zeilen().isEmpty());
    EXPECT_EQ(zeilen("StornosTemporaer").last().menge, -5);
}

TEST_F(GerichtStornierenTest, PendingRowsOfOtherTablesAreNotTouched) {
    amTisch("Tom", "Gastraum", "2");
    const std::int64_t dort = offeneZeile("10", 1, kAlt);
    ASSERT_TRUE(GerichtStornieren(*k, dort, kAlt));
    amTisch("Tom", "Gastraum", "1");
    const std::int64_t hier = offeneZeile("10", 1, kAlt);
    ASSERT_TRUE(GerichtStornieren(*k, hier, kAlt));

    const auto storno = zeilen("StornosTemporaer");
    ASSERT_EQ(storno.size(), 2);
    EXPECT_EQ(storno[0].tisch, QStringLiteral("2"));
    EXPECT_EQ(storno[0].menge, -1);
    EXPECT_EQ(storno[1].tisch, QStringLiteral("1"));
    EXPECT_EQ(storno[1].menge, -1);
}

TEST_F(GerichtStornierenTest, NewLinesShrinkOrGoWithoutACancellationRow) {
    const std::int64_t fuenf = offeneZeile("20", 5, kNeu);
    const std::int64_t eins = offeneZeile("10", 1, kNeu);
    ASSERT_TRUE(ExtraEintragen(*k, fuenf, {"501"}));
    const std::int64_t extra = zeilen().last().id;

    // The panel shows another state than the line's: nothing happens.
    EXPECT_FALSE(GerichtStornieren(*k, fuenf, kAlt));

    dialoge.zahlen = {"2"};
    ASSERT_TRUE(GerichtStornieren(*k, fuenf, kNeu));
    ASSERT_TRUE(GerichtStornieren(*k, eins, kNeu));
    ASSERT_TRUE(GerichtStornieren(*k, extra, kNeu));  // no quantity question
    EXPECT_EQ(dialoge.aufforderungen, QStringList{kAnzahlEingeben});

    const auto liste = zeilen();
    ASSERT_EQ(liste.size(), 1);
    EXPECT_EQ(liste[0].menge, 3);
    EXPECT_EQ(liste[0].mengeText, QStringLiteral("3x"));
    EXPECT_EQ(liste[0].gpreis, Geld(3870));
    EXPECT_TRUE(zeilen("StornosTemporaer").isEmpty());
}

TEST_F(GruppeStornierenTest, ASentGroupKeepsWaiterAndAmount) {
    const std::int64_t schnitzel = offeneZeile("20", 2, kNeu, "Anna");
    ASSERT_TRUE(ExtraEintragen(*k, schnitzel, {"501", "502"}));
    db->ausfuehren("UPDATE OffeneTische SET TischDetails = 'Alt', Kellner = 'Anna'");
    const std::int64_t anderes = offeneZeile("20", 1, kAlt);
    uhr.stellen(QDate(2026, 12, 6), QTime(14, 2, 0));

    ASSERT_TRUE(GruppeStornieren(*k, schnitzel));
    EXPECT_TRUE(dialoge.aufforderungen.isEmpty());
    const auto rest = zeilen();
    ASSERT_EQ(rest.size(), 1);
    EXPECT_EQ(rest[0].id, anderes);

    const auto storno = zeilen("StornosTemporaer");
    ASSERT_EQ(storno.size(), 3);
    EXPECT_EQ(storno[0].gericht, QStringLiteral("Schnitzel"));
    EXPECT_EQ(storno[0].menge, -2);
    EXPECT_EQ(storno[0].mengeText, QStringLiteral("-2x"));
    EXPECT_EQ(storno[0].gpreis, Geld(2580));
    EXPECT_EQ(storno[1].gericht, QStringLiteral("+ 2x Pommes"));
    EXPECT_EQ(storno[1].mengeText, QStringLiteral("-2x"));
    EXPECT_EQ(storno[1].gpreis, Geld(700));
    for (const Tischzeile& s : storno) {
        EXPECT_EQ(s.kellner, QStringLiteral("Anna"));
        EXPECT_EQ(s.regId, schnitzel);
        EXPECT_EQ(s.zeit, QStringLiteral("14:02"));
    }
    EXPECT_FALSE(GruppeStornieren(*k, schnitzel));
}

TEST_F(GruppeStornierenTest, ANewGroupGoesWithoutACancellationRow) {
    const std::int64_t schnitzel = offeneZeile("20", 1, kNeu);
    ASSERT_TRUE(ExtraEintragen(*k, schnitzel, {"501"}));
    ASSERT_TRUE(GruppeStornieren(*k, schnitzel));
    EXPECT_TRUE(zeilen().isEmpty());
    EXPECT_TRUE(zeilen("StornosTemporaer").isEmpty());
}

TEST_F(GruppeStornierenTest, AFailureHalfWayLeavesLinesAndPendingRowsAsTheyWere) {
    const std::int64_t einzeln = offeneZeile("10", 1, kAlt);
    const std::int64_t schnitzel = offeneZeile("20", 1, kAlt);
    ASSERT_TRUE(ExtraEintragen(*k, schnitzel, {"501"}));
    // The line cannot be removed after its cancellation row was written.
    fehlerEinbauen("DELETE", "OffeneTische", "Datenträger voll");

    EXPECT_THROW(GerichtStornieren(*k, einzeln, kAlt), DbFehler);
    EXPECT_THROW(GruppeStornieren(*k, schnitzel), DbFehler);
    EXPECT_EQ(zeilen().size(), 3);
    EXPECT_TRUE(zeilen("StornosTemporaer").isEmpty());
    EXPECT_FALSE(db->inTransaktion());
}
