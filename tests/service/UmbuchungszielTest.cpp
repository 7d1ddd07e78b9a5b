#include "service/Umbuchungsziel.h"

#include "support/DbTest.h"

namespace {

class Umbuchungsziel : public DbTest {
protected:
    Umbuchungsziel() {
        station("Gastraum", {"5", "6"});
        station("Biergarten", {"70"});
        station("Terrasse", {"90"});
        kellner("Tom", "1", "", {"Gastraum", "Biergarten"});
        amTisch("Tom", "Gastraum", "5");
    }

    std::optional<Tischort> ziel(std::deque<QString> antworten) {
        dialoge.zahlen = std::move(antworten);
        return UmbuchungszielFragen(*k);
    }
};

}  // namespace

TEST_F(Umbuchungsziel, ATableOfAnyPermittedStationIsFound) {
    const auto garten = ziel({"70"});
    ASSERT_TRUE(garten);
    EXPECT_EQ(garten->station, QStringLiteral("Biergarten"));
    EXPECT_EQ(garten->tisch, QStringLiteral("70"));
    EXPECT_EQ(dialoge.aufforderungen, QStringList{"Umbuchen von Tisch 5 nach Tisch:"});

    // OK on the empty pad asks once more.
    const auto sechs = ziel({"", "6"});
    ASSERT_TRUE(sechs);
    EXPECT_EQ(sechs->station, QStringLiteral("Gastraum"));
    EXPECT_TRUE(dialoge.meldungen.isEmpty());
}

TEST_F(Umbuchungsziel, RefusalsCloseWithTheirMessage) {
    // Cancelled, and the table itself (also written with a leading zero): no message.
    EXPECT_FALSE(ziel({kAbbrechen}));
    EXPECT_FALSE(ziel({"5"}));
    EXPECT_FALSE(ziel({"05"}));
    EXPECT_TRUE(dialoge.meldungen.isEmpty());

    for (const char* falsch : {"0", "10000001", "abc", "7'", ""})
        EXPECT_FALSE(ziel({QString::fromUtf8(falsch), QString::fromUtf8(falsch)})) << falsch;
    EXPECT_EQ(dialoge.meldungen, QStringList(5, kFalscheTischnummer));

    dialoge.meldungen.clear();
    EXPECT_FALSE(ziel({"10000000"}));
    EXPECT_FALSE(ziel({"90"}));  // Tom has no right for the Terrasse
    EXPECT_EQ(dialoge.meldungen, QStringList({kTischExistiertNicht, kKeineBerechtigung}));
    EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());

    // A tile whose station has no access column at all.
    db->ausfuehren("INSERT INTO TabellePicTisch (Station, Name) VALUES ('Keller', '99')");
    EXPECT_FALSE(ziel({"99"}));
    EXPECT_EQ(dialoge.meldungen.last(), kKeineBerechtigung);
    EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());
}
