#include "core/Rechte.h"
#include "service/Raumzugang.h"
#include "support/DbTest.h"

class Raumzugang : public DbTest {
  protected:
    Raumzugang() {
        station("Gastraum", {"1", "2", "3"});
        station("Biergarten", {"3"});
    }
    std::optional<QString> oeffnen(const QString& kellner, const QString& station,
                                   const QString& tisch) {
        amTisch(kellner, station, tisch);
        return TischVerweigert(*k);
    }
};

TEST_F(Raumzugang, TableNeedsStationRightThenForeignTablesRight) {
    kellner("Tom", "1", "", {"Gastraum"});
    kellner("Anna", "2", "", {"Gastraum", "Biergarten"});
    kellner("Chef", "3", "", {"Gastraum", "Biergarten", "FremdeTische"});
    kellner("Gast", "4", "", {});
    offeneZeile("Gastraum", "1", "Anna");
    offeneZeile("Gastraum", "2", "Tom");
    offeneZeile("Gastraum", "2", "Anna");
    offeneZeile("Gastraum", "3", "Anna");

    const QString station = "Sie haben nicht die nötigen Rechte, um auf diese Station zuzugreifen";
    const QString fremd = "Sie haben nicht die nötigen Rechte, um auf diesen Tisch zuzugreifen";

    EXPECT_EQ(oeffnen("Gast", "Gastraum", "9"), station);      // even a free table
    EXPECT_EQ(oeffnen("Tom", "Biergarten", "3"), station);     // right of the current station
    EXPECT_EQ(oeffnen("Tom", "Gastraum", "1"), fremd);         // only Anna's lines
    EXPECT_EQ(oeffnen("Tom", "Gastraum", "2"), std::nullopt);  // one own line is enough
    EXPECT_EQ(oeffnen("Tom", "Gastraum", "9"), std::nullopt);  // free
    EXPECT_EQ(oeffnen("Chef", "Gastraum", "1"), std::nullopt);
    // Lines of table 3 in the dining room occupy table 3 of the beer garden too.
    EXPECT_EQ(oeffnen("Anna", "Biergarten", "3"), std::nullopt);
    db->ausfuehren(QStringLiteral("UPDATE Kellner SET FremdeTische = 1 WHERE Mitarbeiter = 'Tom'"));
    db->ausfuehren(QStringLiteral("UPDATE Kellner SET Biergarten = 1 WHERE Mitarbeiter = 'Tom'"));
    EXPECT_EQ(oeffnen("Tom", "Biergarten", "3"), std::nullopt);
    db->ausfuehren(QStringLiteral("UPDATE Kellner SET FremdeTische = 0 WHERE Mitarbeiter = 'Tom'"));
    EXPECT_EQ(oeffnen("Tom", "Biergarten", "3"), fremd);
    // The till lock shuts every table, even a free one of his station.
    db->ausfuehren(
        QStringLiteral("UPDATE Kellner SET KASSENSPERRE = 1 WHERE Mitarbeiter = 'Chef'"));
    EXPECT_EQ(oeffnen("Chef", "Gastraum", "9"), kKeineRechte);
    EXPECT_TRUE(dialoge.meldungen.isEmpty());  // the caller shows the refusal
}

TEST_F(Raumzugang, StationChoiceByPosition) {
    kellner("Tom", "1", "", {"Gastraum"});
    k->werte.kellner = "Tom";
    EXPECT_EQ(AnsichtDerStation(1), Stationsansicht::Gastraum);
    EXPECT_EQ(AnsichtDerStation(2), Stationsansicht::Biergarten);
    EXPECT_EQ(AnsichtDerStation(3), Stationsansicht::OhneBild);
    EXPECT_EQ(AnsichtDerStation(4), Stationsansicht::Hotel);
    EXPECT_EQ(AnsichtDerStation(5), Stationsansicht::Weitere);

    EXPECT_EQ(StationswahlVerweigert(*k, 1, "Gastraum"), std::nullopt);
    EXPECT_EQ(StationswahlVerweigert(*k, 2, "Biergarten"),
              QStringLiteral("Sie haben nicht die nötigen Rechte, um auf die Station 'Biergarten ' "
                             "zuzugreifen"));
    // From the fifth station on nothing is checked, not even an unknown right.
    EXPECT_EQ(StationswahlVerweigert(*k, 5, "Terrasse"), std::nullopt);
    EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());
}

TEST_F(Raumzugang, AdministrationLockAndAreaRights) {
    kellner("Tom", "1", "", {"VERWALTUNGSPERRE", "StationVerwaltung"});
    kellner("Chef", "2", "",
            {"StationVerwaltung", "MitarbeiterVerwaltung", "SpeisekarteVerwaltung",
             "DirektwahlVerwaltung", "KreditkartenVerwaltung", "FreieBerichteVerwaltung"});
    kellner("Neu", "3", "", {});

    k->werte.kellner = "Tom";
    EXPECT_EQ(
        VerwaltungGesperrt(*k),
        QStringLiteral("Sie haben nicht die nötigen Rechte, um auf die Verwaltung zuzugreifen"));
    k->werte.kellner = "Chef";
    EXPECT_EQ(VerwaltungGesperrt(*k), std::nullopt);
    for (int position = 1; position <= 7; ++position)
        EXPECT_EQ(VerwaltungVerweigert(*k, position), std::nullopt) << position;

    k->werte.kellner = "Neu";
    const QString vorn = "Sie haben nicht die nötigen Rechte, um auf die ";
    const QStringList erwartet = {
        vorn + "Stations-Verwaltung zuzugreifen",     vorn + "Mitarbeiter-Verwaltung zuzugreifen",
        vorn + "Speisekarte-Verwaltung zuzugreifen",  vorn + "Direktwahl-Verwaltung zuzugreifen",
        vorn + "Kreditkarten-Verwaltung zuzugreifen", vorn + "freien Berichte zuzugreifen"};
    for (int position = 1; position <= 6; ++position)
        EXPECT_EQ(VerwaltungVerweigert(*k, position), erwartet[position - 1]) << position;
    EXPECT_EQ(VerwaltungVerweigert(*k, 7), std::nullopt);  // an area without a right
}
