#include "admin/Tastenverwaltung.h"
#include "support/DbTest.h"

namespace {

class Tastenverwaltung : public DbTest {
protected:
    // Main keys "A".."E" in rows 1..5, each with one row of article keys.
    void fuenfHaupttasten() {
        for (int i = 0; i < 5; ++i) {
            const QString wg(QChar('A' + i));
            db->ausfuehren("INSERT INTO WarengruppeTasten (WG, Tastenreihe) VALUES (?, ?)", wg,
                           i + 1);
            db->ausfuehren("INSERT INTO ArtikelTasten (WG, SP1, SP1PLU) VALUES (?, ?, '1')", wg,
                           wg + "1");
        }
    }

    std::int64_t id(const QString& wg) {
        auto a = db->abfrage("SELECT ID FROM WarengruppeTasten WHERE WG = ?", wg);
        a.naechste();
        return a.zahl(0);
    }

    // "text:row" of every main key in column order.
    QStringList spalte() {
        QStringList l;
        auto a = db->abfrage("SELECT WG || ':' || Tastenreihe FROM WarengruppeTasten "
                             "ORDER BY Tastenreihe");
        while (a.naechste()) l << a.text(0);
        return l;
    }

    int artikelreihen(const QString& wg) { return ArtikeltastenLesen(*k, wg).size(); }
};

}  // namespace

TEST_F(Tastenverwaltung, ANewMainKeyGoesToTheBottomWithSixEmptyRows) {
    fuenfHaupttasten();
    EXPECT_EQ(HauptastenNeu(*k), "Hapttaste 6");
    EXPECT_EQ(spalte().last(), "Hapttaste 6:6");
    const auto reihen = ArtikeltastenLesen(*k, "Hapttaste 6");
    ASSERT_EQ(reihen.size(), 6);
    for (const Artikeltastenreihe& r : reihen)
        for (const Artikeltaste& t : r.tasten) {
            EXPECT_EQ(t.text, "");
            EXPECT_EQ(t.plu, "");
            EXPECT_EQ(t.farbe, std::nullopt);
        }

    // After a removal the count names an existing key: the new one must not share its rows.
    dialoge.jaNein = {true};
    ASSERT_TRUE(Hauptastenentfernen(*k, "A"));
    EXPECT_EQ(HauptastenNeu(*k), "Hapttaste 7");
    EXPECT_EQ(spalte().last(), "Hapttaste 7:6");
    EXPECT_EQ(artikelreihen("Hapttaste 6"), 6);
    EXPECT_EQ(artikelreihen("Hapttaste 7"), 6);
}

TEST_F(Tastenverwaltung, MovingAndRenamingAMainKeyRenumbersTheOthersAndKeepsItsArticleKeys) {
    fuenfHaupttasten();
    EXPECT_TRUE(HauptasteSpeichern(*k, id("B"), "Bier's", "4"));
    EXPECT_EQ(spalte(), QStringList({"A:1", "C:2", "D:3", "Bier's:4", "E:5"}));
    EXPECT_EQ(artikelreihen("B"), 0);
    EXPECT_EQ(ArtikeltastenLesen(*k, "Bier's").at(0).tasten[0].text, "B1");

    EXPECT_TRUE(HauptasteSpeichern(*k, id("E"), "E", "1"));
    EXPECT_EQ(spalte(), QStringList({"E:1", "A:2", "C:3", "D:4", "Bier's:5"}));

    const QStringList vorher = spalte();
    EXPECT_FALSE(HauptasteSpeichern(*k, id("A"), "", "2"));
    EXPECT_FALSE(HauptasteSpeichern(*k, id("A"), "A", " "));
    EXPECT_FALSE(HauptasteSpeichern(*k, id("A"), "A", "6"));
    EXPECT_FALSE(HauptasteSpeichern(*k, id("A"), "A", "zwei"));
    EXPECT_FALSE(HauptasteSpeichern(*k, id("A"), "A", "0"));
    EXPECT_FALSE(HauptasteSpeichern(*k, id("A"), "C", "2"));
    EXPECT_EQ(dialoge.meldungen,
              QStringList({"Das Feld darf nicht Leer sein", "Das Feld darf nicht Leer sein",
                           "Anzahl der Hauptasten ist kleiner als 6",
                           "Die Reihe muss eine ganze Zahl ab 1 sein",
                           "Die Reihe muss eine ganze Zahl ab 1 sein",
                           "Die Haupttaste: C ist bereits vorhanden"}));
    EXPECT_EQ(spalte(), vorher);
    EXPECT_EQ(artikelreihen("A"), 1);
}

TEST_F(Tastenverwaltung, RemovingAMainKeyTakesItsRowsAndClosesTheGap) {
    fuenfHaupttasten();
    dialoge.jaNein = {false, true};
    EXPECT_FALSE(Hauptastenentfernen(*k, "B"));
    EXPECT_EQ(spalte().size(), 5);
    EXPECT_EQ(artikelreihen("B"), 1);
    EXPECT_TRUE(Hauptastenentfernen(*k, "B"));
    EXPECT_EQ(dialoge.fragen.last(), "Sind Sie Sicher. Soll die Hauptaste entfernt werden?");
    EXPECT_EQ(spalte(), QStringList({"A:1", "C:2", "D:3", "E:4"}));
    EXPECT_EQ(artikelreihen("B"), 0);
    EXPECT_EQ(artikelreihen("C"), 1);
}

TEST_F(Tastenverwaltung, ArticleKeysAreWrittenEmptiedAndColouredInTheirOwnColumnOnly) {
    fuenfHaupttasten();
    const std::int64_t reihe = ArtikeltastenLesen(*k, "A").at(0).id;
    Datenbankaktualisieren(*k, reihe, 3, {"Kaffee's", "7", 0x00FF80u});
    HintergrundfarbeEintragen(*k, reihe, 1, 0xFF0000u);
    auto tasten = [&] { return ArtikeltastenLesen(*k, "A").at(0).tasten; };
    EXPECT_EQ(tasten()[2].text, "Kaffee's");
    EXPECT_EQ(tasten()[2].plu, "7");
    EXPECT_EQ(tasten()[2].farbe, 0x00FF80u);
    EXPECT_EQ(tasten()[0].farbe, 0xFF0000u);
    EXPECT_EQ(tasten()[1].farbe, std::nullopt);

    // Deleting without the colour keeps it on the empty key; with it the key is plain.
    dialoge.jaNein = {false, true};
    ArtikelTasteLoeschen(*k, reihe, 3);
    EXPECT_EQ(dialoge.fragen.last(), "Möchten Sie auch die Hintergrundsfarbe entfernen?");
    EXPECT_EQ(tasten()[2].text, "");
    EXPECT_EQ(tasten()[2].plu, "");
    EXPECT_EQ(tasten()[2].farbe, 0x00FF80u);
    ArtikelTasteLoeschen(*k, reihe, 1);
    EXPECT_EQ(tasten()[0].text, "");
    EXPECT_EQ(tasten()[0].farbe, std::nullopt);
    EXPECT_THROW(ArtikelTasteLoeschen(*k, reihe, 6), DbFehler);
}

TEST_F(Tastenverwaltung, TheLookUpTakesOnlyListedArticles) {
    artikel("12", "Pils", 350);
    EXPECT_EQ(PLUDatenbankAbfrage(*k, "12"), "Pils");
    EXPECT_EQ(PLUDatenbankAbfrage(*k, "1"), std::nullopt);

    const auto taste = ArtikelFuerTaste(*k, " 12 ");
    ASSERT_TRUE(taste);
    EXPECT_EQ(taste->plu, "12");
    EXPECT_EQ(taste->text, "Pils");
    EXPECT_EQ(ArtikelFuerTaste(*k, ""), std::nullopt);
    EXPECT_EQ(ArtikelFuerTaste(*k, "13"), std::nullopt);
    EXPECT_EQ(dialoge.meldungen,
              QStringList({"Das Feld 'PLU' ist Leer. Bitte wähllen Sie ein Gericht aus!",
                           "Dieser 'PLU' ist nicht vorhanden. Bitte erstellen Sie zuerst eine "
                           "neue PLU-Nummer!"}));
}
