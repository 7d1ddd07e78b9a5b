#include "admin/Warengruppenverwaltung.h"
#include "support/DbTest.h"

namespace {

class Warengruppenverwaltung : public DbTest {
protected:
    Warengruppenverwaltung() {
        db->ausfuehren("INSERT INTO Warengruppe (WG, IDWG, Stationsdrucker, Bondrucker) VALUES "
                       "('Bier', 'Getränke', 'kein Drucker', 'Thekendrucker'), "
                       "('Suppen', 'Speise', 'kein Drucker', 'Küchendrucker')");
        artikel("1", "Pils", 350);
        artikel("2", "Weizen", 400, "Bier", "Getränke", "Küchendrucker");
        artikel("3", "Linsensuppe", 490, "Suppen", "Speise", "Küchendrucker");
    }

    // Group, station and printer of every article in PLU order.
    QStringList artikelzeilen() {
        QStringList l;
        auto a = db->abfrage(
            "SELECT PLU || ':' || WG || '|' || Stationsdrucker || '|' || Bondrucker "
            "FROM Artikelgruppe ORDER BY PLU");
        while (a.naechste()) l << a.text(0);
        return l;
    }

    QStringList gruppen() {
        QStringList l;
        auto a = db->abfrage("SELECT IDWG || '|' || WG || '|' || Stationsdrucker || '|' || "
                             "Bondrucker FROM Warengruppe ORDER BY WG");
        while (a.naechste()) l << a.text(0);
        return l;
    }
};

}  // namespace

TEST_F(Warengruppenverwaltung, ANewGroupIsAskedForAndATakenNameRefusedInEitherMainGroup) {
    dialoge.jaNein = {false, true};
    EXPECT_FALSE(WarengruppeNeuSpeichern(*k, {"Getränke", "Kaffee's", "Gastraum", "Thekendrucker"}));
    EXPECT_TRUE(WarengruppeNeuSpeichern(*k, {"Getränke", "Kaffee's", "Gastraum", "Thekendrucker"}));
    EXPECT_EQ(dialoge.fragen.last(), "Möchten Sie die Warengruppe: ''Kaffee's'' wirklich einfügen");

    dialoge.fragen.clear();
    EXPECT_FALSE(WarengruppeNeuSpeichern(*k, {"Speise", "Bier"}));
    EXPECT_FALSE(WarengruppeNeuSpeichern(*k, {"Getränke", " "}));
    EXPECT_EQ(dialoge.meldungen,
              QStringList({"Die Warengruppe: Bier ist bereits vorhanden",
                           "Es muss eine Warengruppe eingegeben werden"}));
    EXPECT_TRUE(dialoge.fragen.isEmpty());
    EXPECT_EQ(gruppen(), QStringList({"Getränke|Bier|kein Drucker|Thekendrucker",
                                      "Getränke|Kaffee's|Gastraum|Thekendrucker",
                                      "Speise|Suppen|kein Drucker|Küchendrucker"}));
}

TEST_F(Warengruppenverwaltung, RenamingMovesTheArticlesAndTakesThePrintersOnlyWhenAgreed) {
    Warengruppenformular f = *WarengruppeBearbeitenZeigen(*k, "Bier");
    f.wg = "Biere";
    f.stationsdrucker = "Biergarten";
    dialoge.jaNein = {true, false};
    EXPECT_TRUE(WarengruppeBearbeitenSpeichern(*k, f, "Bier"));
    EXPECT_EQ(dialoge.fragen.last(),
              "Möchten Sie die Druckereinstellungen von der Warengruppe: ''Biere'' für alle "
              "unterbefindlichen Gerichte übernehmen");
    EXPECT_EQ(gruppen().first(), "Getränke|Biere|Biergarten|Thekendrucker");
    EXPECT_EQ(artikelzeilen(), QStringList({"1:Biere|kein Drucker|Thekendrucker",
                                            "2:Biere|kein Drucker|Küchendrucker",
                                            "3:Suppen|kein Drucker|Küchendrucker"}));

    f.wg = "Bier";
    dialoge.jaNein = {true, true};
    EXPECT_TRUE(WarengruppeBearbeitenSpeichern(*k, f, "Biere"));
    EXPECT_EQ(artikelzeilen(), QStringList({"1:Bier|Biergarten|Thekendrucker",
                                            "2:Bier|Biergarten|Thekendrucker",
                                            "3:Suppen|kein Drucker|Küchendrucker"}));

    // Declining the first question, or taking another group's name, changes nothing.
    dialoge.jaNein = {false};
    EXPECT_FALSE(WarengruppeBearbeitenSpeichern(*k, {"Getränke", "Pils", "kein Drucker", "Küchendrucker"}, "Bier"));
    EXPECT_FALSE(WarengruppeBearbeitenSpeichern(*k, {"Getränke", "Suppen"}, "Bier"));
    EXPECT_EQ(dialoge.meldungen.last(), "Die Warengruppe: Suppen ist bereits vorhanden");
    EXPECT_EQ(gruppen(), QStringList({"Getränke|Bier|Biergarten|Thekendrucker",
                                      "Speise|Suppen|kein Drucker|Küchendrucker"}));
    EXPECT_EQ(artikelzeilen().size(), 3);
}

TEST_F(Warengruppenverwaltung, DeletingAGroupTakesItsArticlesAfterAsking) {
    dialoge.jaNein = {false, true};
    EXPECT_FALSE(AllesLoeschen(*k, "Bier"));
    EXPECT_EQ(artikelzeilen().size(), 3);
    EXPECT_TRUE(AllesLoeschen(*k, "Bier"));
    EXPECT_EQ(dialoge.fragen.first(),
              "Mit der Warengruppe: ''Bier'' werden alle darin enthaltenen Artikel gelöscht. "
              "Möchten Sie trotzdem alles löschen");
    EXPECT_EQ(gruppen(), QStringList{"Speise|Suppen|kein Drucker|Küchendrucker"});
    EXPECT_EQ(artikelzeilen(), QStringList{"3:Suppen|kein Drucker|Küchendrucker"});
}
