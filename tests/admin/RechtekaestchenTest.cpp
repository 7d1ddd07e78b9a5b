#include <gtest/gtest.h>

#include "admin/Rechtekaestchen.h"

namespace {

Kaestchenreihe reihe(Rechtegruppe g, std::initializer_list<int> an = {}) {
    Kaestchenreihe r(Rechteschluessel(g).size());
    for (int i : an) r[i].an = true;
    KaestchenEinrichten(g, r);
    return r;
}

std::vector<int> angehakt(const Kaestchenreihe& r) {
    std::vector<int> an;
    for (std::size_t i = 0; i < r.size(); ++i)
        if (r[i].an) an.push_back(static_cast<int>(i));
    return an;
}

std::vector<int> gesperrt(const Kaestchenreihe& r) {
    std::vector<int> aus;
    for (std::size_t i = 0; i < r.size(); ++i)
        if (!r[i].aktiv) aus.push_back(static_cast<int>(i));
    return aus;
}

}  // namespace

TEST(Rechtekaestchen, GroupLockClearsAndLiftingItGivesTheStartingRights) {
    struct Fall {
        Rechtegruppe gruppe;
        std::vector<int> start;
    };
    for (const Fall& f :
         {Fall{Rechtegruppe::Kasse, {1, 2, 6}}, Fall{Rechtegruppe::Menu, {2, 3, 5, 9, 10}},
          Fall{Rechtegruppe::Verwaltung, {2, 5}}}) {
        Kaestchenreihe r = reihe(f.gruppe, {1, 3, 4, 7});
        KaestchenBeruehren(f.gruppe, r, 0);
        EXPECT_EQ(angehakt(r), std::vector<int>{0});
        EXPECT_EQ(gesperrt(r).size(), r.size() - 1);
        KaestchenBeruehren(f.gruppe, r, 4);  // disabled: ignored
        EXPECT_EQ(angehakt(r), std::vector<int>{0});

        KaestchenBeruehren(f.gruppe, r, 0);
        std::vector<int> erwartet = f.start;
        EXPECT_EQ(angehakt(r), erwartet);
        EXPECT_TRUE(gesperrt(r).empty());
    }
    // A stored lock disables the rest of its group on loading.
    EXPECT_EQ(gesperrt(reihe(Rechtegruppe::Kasse, {0, 3})),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(Rechtekaestchen, MenuPairsExcludeEachOtherAndFollowTheirParent) {
    const auto g = Rechtegruppe::Menu;
    Kaestchenreihe r = reihe(g);
    EXPECT_EQ(gesperrt(r), (std::vector<int>{3, 4, 10, 11}));

    KaestchenBeruehren(g, r, 2);  // bill overview: own bills only
    EXPECT_EQ(angehakt(r), (std::vector<int>{2, 3}));
    KaestchenBeruehren(g, r, 4);  // all bills
    EXPECT_EQ(angehakt(r), (std::vector<int>{2, 4}));
    KaestchenBeruehren(g, r, 4);  // unticking one ticks the other
    EXPECT_EQ(angehakt(r), (std::vector<int>{2, 3}));

    KaestchenBeruehren(g, r, 9);  // waiter report: all reports
    EXPECT_EQ(angehakt(r), (std::vector<int>{2, 3, 9, 11}));
    KaestchenBeruehren(g, r, 10);
    EXPECT_EQ(angehakt(r), (std::vector<int>{2, 3, 9, 10}));

    KaestchenBeruehren(g, r, 2);
    KaestchenBeruehren(g, r, 9);
    EXPECT_EQ(angehakt(r), std::vector<int>{});
    EXPECT_EQ(gesperrt(r), (std::vector<int>{3, 4, 10, 11}));
}

TEST(Rechtekaestchen, StaffAdministrationAndItsThreeExclusiveLevels) {
    const auto g = Rechtegruppe::Verwaltung;
    Kaestchenreihe r = reihe(g, {8});
    EXPECT_EQ(gesperrt(r), (std::vector<int>{3, 4, 5, 6, 7}));

    KaestchenBeruehren(g, r, 2);
    EXPECT_EQ(angehakt(r), (std::vector<int>{2, 3, 4, 5, 8}));
    EXPECT_TRUE(gesperrt(r).empty());

    KaestchenBeruehren(g, r, 7);
    EXPECT_EQ(angehakt(r), (std::vector<int>{2, 3, 4, 7, 8}));
    KaestchenBeruehren(g, r, 6);
    EXPECT_EQ(angehakt(r), (std::vector<int>{2, 3, 4, 6, 8}));
    KaestchenBeruehren(g, r, 6);  // unticking "others" falls back to "own"
    EXPECT_EQ(angehakt(r), (std::vector<int>{2, 3, 4, 5, 8}));
    KaestchenBeruehren(g, r, 5);  // unticking "own" leaves none of the three
    EXPECT_EQ(angehakt(r), (std::vector<int>{2, 3, 4, 8}));

    KaestchenBeruehren(g, r, 2);
    EXPECT_EQ(angehakt(r), std::vector<int>{8});
    EXPECT_EQ(gesperrt(r), (std::vector<int>{3, 4, 5, 6, 7}));
}
