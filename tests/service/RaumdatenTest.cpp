#include "service/Raumdaten.h"
#include "support/DbTest.h"

using Raumdaten = DbTest;

TEST_F(Raumdaten, StationsAndAdministrationInIdOrder) {
    station("Gastraum");
    station("Biergarten");
    station("Außer Haus");
    for (const char* bereich : {"Stationen", "Mitarbeiter", "Speisekarte"})
        db->ausfuehren(QStringLiteral("INSERT INTO Verwaltung (Verwaltung) VALUES (?)"), bereich);
    EXPECT_EQ(StationenLesen(*db), QStringList({"Gastraum", "Biergarten", "Außer Haus"}));
    EXPECT_EQ(VerwaltungLesen(*db), QStringList({"Stationen", "Mitarbeiter", "Speisekarte"}));
}

TEST_F(Raumdaten, TilesOfOneStationWithTheirGeometry) {
    station("Gastraum", {"1", "2"});
    station("Kneipe's Eck", {"7"});
    station("Leer");
    db->ausfuehren(
        QStringLiteral("INSERT INTO TabellePicTisch (Station, Name, Oben, Links, Breite, "
                       "Hoehe) VALUES ('Gastraum', '12', 300, 40, 120, 90)"));

    const auto tische = TischeLesen(*db, "Gastraum");
    ASSERT_EQ(tische.size(), 3u);
    EXPECT_EQ(tische[0].name, QStringLiteral("1"));
    EXPECT_EQ(tische[1].name, QStringLiteral("2"));
    EXPECT_EQ(tische[2].name, QStringLiteral("12"));
    EXPECT_EQ(tische[2].oben, 300);
    EXPECT_EQ(tische[2].links, 40);
    EXPECT_EQ(tische[2].breite, 120);
    EXPECT_EQ(tische[2].hoehe, 90);

    ASSERT_EQ(TischeLesen(*db, "Kneipe's Eck").size(), 1u);
    EXPECT_TRUE(TischeLesen(*db, "Leer").empty());
    EXPECT_TRUE(TischeLesen(*db, "Gibt es nicht").empty());
}

TEST_F(Raumdaten, OccupiedByTableNameOnly) {
    station("Gastraum", {"1", "2", "3"});
    station("Biergarten", {"3", "20"});
    offeneZeile("Gastraum", "1", "Tom");
    offeneZeile("Gastraum", "1", "Anna");
    offeneZeile("Gastraum", "3", "Tom");
    offeneZeile("Gastraum", "Zahlen", "Tom");  // a bill being settled occupies no tile

    EXPECT_EQ(BesetzteTischeLesen(*db, "Gastraum"), QSet<QString>({"1", "3"}));
    // Table 3 of the beer garden shares the name, and so the marker.
    EXPECT_EQ(BesetzteTischeLesen(*db, "Biergarten"), QSet<QString>({"3"}));
    EXPECT_TRUE(BesetzteTischeLesen(*db, "Außer Haus").isEmpty());
}
