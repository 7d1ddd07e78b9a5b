#include "admin/Artikelverwaltung.h"
#include "support/DbTest.h"

namespace {

class Artikelverwaltung : public DbTest {
  protected:
    Artikelverwaltung() {
        db->ausfuehren(
            "INSERT INTO Warengruppe (WG, IDWG, Stationsdrucker, Bondrucker) VALUES "
            "('Bier', 'Getränke', 'kein Drucker', 'Thekendrucker'), "
            "('Suppen', 'Speise', 'kein Drucker', 'Küchendrucker')");
        artikel("1", "Pils", 350);
        artikel("2", "Weizen", 400);
    }

    static Artikelformular formular(const QString& plu, const QString& gericht) {
        return {plu, "Suppen", gericht, "4,90", "7", "Gastraum", "Küchendrucker", true};
    }

    // The stored columns of an article, "-" when there is no such row.
    QString zeile(const QString& plu) {
        auto a = db->abfrage(
            "SELECT WG || '|' || IDWG || '|' || Gericht || '|' || EPREIS || '|' || MwSt || '|' || "
            "Stationsdrucker || '|' || Bondrucker || '|' || Extra FROM Artikelgruppe WHERE PLU = ?",
            plu);
        QStringList zeilen;
        while (a.naechste()) zeilen << a.text(0);
        return zeilen.isEmpty() ? QStringLiteral("-") : zeilen.join(QLatin1Char(';'));
    }

    int anzahl() {
        auto a = db->abfrage("SELECT COUNT(*) FROM Artikelgruppe");
        a.naechste();
        return static_cast<int>(a.zahl(0));
    }
};

}  // namespace

TEST_F(Artikelverwaltung, EmptyOrMalformedFieldsAreRefusedWithTheirMessageAndNothingStored) {
    const struct {
        Artikelformular f;
        QString meldung;
    } faelle[] = {
        {{"", "Suppen", "X", "1", "7"}, "Es muss eine Artikelnummer eingegeben werden"},
        {{"5", "Suppen", " ", "1", "7"}, "Es muss ein Gericht eingegeben werden"},
        {{"5", "Suppen", "X", "", "7"}, "Es muss der Verkaufpreis eingegeben werden"},
        {{"5", "Suppen", "X", "1", ""}, "Es muss der Mehrwertsteuersatz eingegeben werden"},
    };
    for (const auto& fall : faelle) {
        dialoge.meldungen.clear();
        EXPECT_FALSE(ArtikelNeuSpeichern(*k, fall.f));
        EXPECT_EQ(dialoge.meldungen, QStringList{fall.meldung});
    }
    const QString preisMeldung =
        "Der Verkaufpreis muss ein Betrag ab 0 mit höchstens zwei Nachkommastellen sein (z. B. "
        "3,50)";
    for (const QString& preis : QStringList{"3,505", "-1", "drei", "3,5,0", "1e3"}) {
        dialoge.meldungen.clear();
        EXPECT_FALSE(ArtikelNeuSpeichern(*k, {"5", "Suppen", "X", preis, "7"}))
            << preis.toStdString();
        EXPECT_EQ(dialoge.meldungen, QStringList{preisMeldung}) << preis.toStdString();
    }
    for (const QString& mwst : QStringList{"100,5", "101", "-7", "sieben", "0", "7,005"}) {
        dialoge.meldungen.clear();
        EXPECT_FALSE(ArtikelBearbeitenSpeichern(*k, {"1", "Bier", "Pils", "3,50", mwst}, "1"))
            << mwst.toStdString();
        EXPECT_EQ(dialoge.meldungen, QStringList{kSteuersatzUngueltig}) << mwst.toStdString();
    }
    EXPECT_TRUE(dialoge.fragen.isEmpty());
    EXPECT_EQ(anzahl(), 2);
    EXPECT_EQ(zeile("1"), "Bier|Getränke|Pils|350|19|kein Drucker|Thekendrucker|0");
}

TEST_F(Artikelverwaltung, ANewArticleTakesItsGroupsMainGroupAndAskedBeforeOverwriting) {
    dialoge.jaNein = {false, true};
    EXPECT_FALSE(ArtikelNeuSpeichern(*k, formular("7", "Omas's Suppe")));
    EXPECT_EQ(zeile("7"), "-");
    EXPECT_TRUE(ArtikelNeuSpeichern(
        *k, {"7", "Suppen", "Omas's Suppe", "1.234,5", "7 %", "Gastraum", "Küchendrucker", true}));
    EXPECT_EQ(zeile("7"), "Suppen|Speise|Omas's Suppe|123450|7 %|Gastraum|Küchendrucker|1");
    EXPECT_EQ(dialoge.fragen, QStringList({"Möchten Sie die neuen Daten Speichern",
                                           "Möchten Sie die neuen Daten Speichern"}));

    dialoge.fragen.clear();
    dialoge.jaNein = {false, true};
    EXPECT_FALSE(ArtikelNeuSpeichern(*k, formular("1", "Linsensuppe")));
    EXPECT_EQ(zeile("1"), "Bier|Getränke|Pils|350|19|kein Drucker|Thekendrucker|0");
    EXPECT_TRUE(ArtikelNeuSpeichern(*k, formular("1", "Linsensuppe")));
    EXPECT_EQ(zeile("1"), "Suppen|Speise|Linsensuppe|490|7|Gastraum|Küchendrucker|1");
    EXPECT_EQ(dialoge.fragen.last(),
              " Die PLU = 1 ist bereits vorhanden. Möchten Sie die Daten trotzdem überschreiben");
    EXPECT_EQ(anzahl(), 3);
}

TEST_F(Artikelverwaltung, AnEditedArticleUnderItsOwnAnotherOrAFreePlu) {
    // Its own PLU: found, asked, overwritten in place.
    dialoge.jaNein = {true};
    Artikelformular f = *ArtikelBearbeitenZeigen(*k, "1");
    EXPECT_EQ(f.epreis, "3,50");
    f.gericht = "Pils 0,5";
    f.epreis = "3.8";
    EXPECT_TRUE(ArtikelBearbeitenSpeichern(*k, f, "1"));
    EXPECT_EQ(dialoge.meldungen, QStringList{"gefunden"});
    EXPECT_EQ(
        dialoge.fragen,
        QStringList{" Die Daten wurden geändert. Möchten Sie die Daten trotzdem überschreiben"});
    EXPECT_EQ(zeile("1"), "Bier|Getränke|Pils 0,5|380|19|kein Drucker|Thekendrucker|0");

    // Another article's PLU: that one is overwritten, the edited one stays.
    dialoge.jaNein = {true};
    f.plu = "2";
    EXPECT_TRUE(ArtikelBearbeitenSpeichern(*k, f, "1"));
    EXPECT_EQ(zeile("2"), "Bier|Getränke|Pils 0,5|380|19|kein Drucker|Thekendrucker|0");
    EXPECT_EQ(zeile("1"), "Bier|Getränke|Pils 0,5|380|19|kein Drucker|Thekendrucker|0");
    EXPECT_EQ(anzahl(), 2);

    // A free PLU: declined changes nothing, agreed moves the article there.
    dialoge.meldungen.clear();
    dialoge.fragen.clear();
    dialoge.jaNein = {false, true};
    f.plu = "10";
    EXPECT_FALSE(ArtikelBearbeitenSpeichern(*k, f, "1"));
    EXPECT_EQ(zeile("10"), "-");
    EXPECT_TRUE(ArtikelBearbeitenSpeichern(*k, f, "1"));
    EXPECT_EQ(dialoge.meldungen, QStringList({"nicht gefunden", "nicht gefunden"}));
    EXPECT_EQ(dialoge.fragen.last(),
              "PLU wurde geändert. Möchten Sie die Daten trotzdem Speichern");
    EXPECT_EQ(zeile("1"), "-");
    EXPECT_EQ(zeile("10"), "Bier|Getränke|Pils 0,5|380|19|kein Drucker|Thekendrucker|0");
    EXPECT_EQ(anzahl(), 2);
}

TEST_F(Artikelverwaltung, DeletingAsksAndRemovesThatArticleOnly) {
    dialoge.jaNein = {false, true};
    EXPECT_FALSE(ArtikelLoeschen(*k, "1"));
    EXPECT_EQ(anzahl(), 2);
    EXPECT_TRUE(ArtikelLoeschen(*k, "1"));
    EXPECT_EQ(zeile("1"), "-");
    EXPECT_NE(zeile("2"), "-");
    EXPECT_EQ(dialoge.fragen.first(),
              "Möchten Sie die PLU = 1 mit allen zugehörigen Daten wirklich löschen");
}

TEST_F(Artikelverwaltung, SearchFindsExactNumberOrNameOnly) {
    artikel("12", "Pils", 300, "Suppen");
    const auto plus = [&](const QString& text) {
        QStringList l;
        for (const Kartenartikel& a : Artikelgruppesuchen(*k, text)) l << a.plu;
        return l;
    };
    EXPECT_EQ(plus("Pils"), QStringList({"1", "12"}));
    EXPECT_EQ(plus("2"), QStringList{"2"});
    EXPECT_EQ(plus("Pil"), QStringList());
    EXPECT_EQ(plus("pils"), QStringList());
    EXPECT_EQ(plus("' OR '1'='1"), QStringList());
}
