#include "admin/Stationsverwaltung.h"
#include "support/DbTest.h"

using Stationsverwaltung = DbTest;

TEST_F(Stationsverwaltung, ListInIdOrderWithTheStoredTurnoverOnly) {
    station("Gastraum");
    station("Biergarten");
    db->ausfuehren("UPDATE Stationen SET abger_Tagesumsatz = 12345 WHERE Station = 'Biergarten'");
    const auto liste = ListeFuelen(*db);
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_EQ(liste[0].station, "Gastraum");
    EXPECT_EQ(liste[0].tagesumsatz, std::nullopt);
    EXPECT_EQ(liste[1].station, "Biergarten");
    EXPECT_EQ(liste[1].tagesumsatz, Geld(12345));
}

TEST_F(Stationsverwaltung, ATileIsStoredUnderItsStationOnly) {
    station("Gastraum", {"1", "2"});
    station("Biergarten", {"B'1"});
    db->ausfuehren(
        "INSERT INTO TabellePicTisch (Station, Name, Oben, Links, Breite, Hoehe) "
        "VALUES ('Biergarten', '1', 5, 5, 50, 50)");
    auto rechteck = [&](const QString& station, int i) {
        const Tischposition t = TischeLesen(*db, station).at(i);
        return QRect(t.links, t.oben, t.breite, t.hoehe);
    };

    EXPECT_TRUE(TabellePicTischSpeichern(*db, "Gastraum", {"1", 40, 30, 60, 120}));
    EXPECT_EQ(rechteck("Gastraum", 0), QRect(30, 40, 60, 120));
    EXPECT_EQ(rechteck("Gastraum", 1), QRect(110, 20, 80, 80));
    EXPECT_EQ(rechteck("Biergarten", 1), QRect(5, 5, 50, 50));

    EXPECT_TRUE(TabellePicTischSpeichern(*db, "Biergarten", {"B'1", 0, 0, 90, 90}));
    EXPECT_FALSE(TabellePicTischSpeichern(*db, "Gastraum", {"B'1", 1, 1, 90, 90}));
    EXPECT_EQ(rechteck("Biergarten", 0), QRect(0, 0, 90, 90));
}

TEST(Kachelgeometrie, GripsResizeMoveAndStayOnTheFloor) {
    const QSize boden(800, 600);
    const QRect kachel(100, 100, 80, 80);
    EXPECT_EQ(GriffAn(kachel.size(), {75, 75}),
              Kachelgriff::Breite);  // the corner: right edge wins
    EXPECT_EQ(GriffAn(kachel.size(), {20, 70}), Kachelgriff::Hoehe);
    EXPECT_EQ(GriffAn(kachel.size(), {20, 20}), Kachelgriff::Verschieben);

    // Dragging the right edge to a smaller x makes the tile narrower, never too small.
    EXPECT_EQ(KachelBewegt(kachel, Kachelgriff::Breite, {}, {150, 0}, boden),
              QRect(100, 100, 50, 80));
    EXPECT_EQ(KachelBewegt(kachel, Kachelgriff::Breite, {}, {90, 0}, boden).width(),
              kMindestgroesse);
    EXPECT_EQ(KachelBewegt(kachel, Kachelgriff::Hoehe, {}, {0, 900}, boden),
              QRect(100, 100, 80, 500));
    // A move keeps the grip point under the pointer, inside the floor.
    EXPECT_EQ(KachelBewegt(kachel, Kachelgriff::Verschieben, {10, 20}, {310, 220}, boden),
              QRect(300, 200, 80, 80));
    EXPECT_EQ(KachelBewegt(kachel, Kachelgriff::Verschieben, {10, 20}, {5, 900}, boden),
              QRect(0, 520, 80, 80));
}
