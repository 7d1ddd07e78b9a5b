#include "service/Anzahl.h"
#include "service/Umbuchen.h"
#include "support/DbTest.h"
#include "support/Posten.h"

namespace {

class Umbuchen : public DbTest {
  protected:
    Umbuchen() { amTisch("Tom", "Gastraum", "5"); }

    // The lines of a table as "Menge_Text Gericht GPREIS", in list order.
    std::string liste(const Tischort& ort) {
        QStringList texte;
        for (const Tischzeile& z : TischZeilen(*k, ort, Listenart::Umbuchung))
            texte << QStringList({z.mengeText, z.gericht, z.gpreis.text()}).join(' ').trimmed();
        return texte.join(QStringLiteral(" | ")).toStdString();
    }

    const Tischort tisch5{"Gastraum", "5"};
    const Tischort zahlen = Zahlliste(tisch5);
    const Tischort garten7{"Biergarten", "7"};
};

Posten pils(int menge) {
    Posten p;
    p.menge = menge;
    return p;
}

// A Schnitzel of quantity `menge` with one extra; answers the group's RegID.
std::int64_t schnitzelMitKetchup(Datenbank& db, int menge, bool aufZahlliste = false) {
    Posten s;
    s.plu = "20";
    s.gericht = "Schnitzel";
    s.idwg = "Speisen";
    s.cent = 1290;
    s.menge = menge;
    s.extra = "Ja";
    if (aufZahlliste) s = s.aufZahlliste();
    const auto id = PostenAnlegen(db, s);
    Posten e = s;
    e.plu = "";
    e.pluId = "90";
    e.gericht = QStringLiteral("+ %1x Ketchup").arg(menge);
    e.cent = 50;
    e.regId = id;
    PostenAnlegen(db, e);
    return id;
}

}  // namespace

TEST_F(Umbuchen, MovingAllKeepsToTheStationAndMergesOnlyPlainLines) {
    PostenAnlegen(*db, pils(2));
    schnitzelMitKetchup(*db, 1);
    Posten neu = pils(4);
    neu.details = "Neu";
    PostenAnlegen(*db, neu);
    Posten anderswo = pils(9);
    anderswo.station = "Biergarten";
    PostenAnlegen(*db, anderswo);
    // The pay list already holds a Pils and a Schnitzel with its extra.
    Posten bezahlt = pils(1);
    bezahlt = bezahlt.aufZahlliste();
    PostenAnlegen(*db, bezahlt);
    schnitzelMitKetchup(*db, 1, true);

    AllesUmbuchen(*k, tisch5, zahlen);

    EXPECT_EQ(liste(zahlen), std::string("1x Schnitzel 12,90 | + 1x Ketchup 0,50 | 3x Pils 10,50 | "
                                         "1x Schnitzel 12,90 | + 1x Ketchup 0,50"));
    EXPECT_TRUE(liste(tisch5).empty());
    // The unsent line and the same-numbered table of the other station stay.
    EXPECT_EQ(TischSumme(*k, tisch5), Geld(1400));
    EXPECT_EQ(TischSumme(*k, {"Biergarten", "5"}), Geld(3150));

    // Each moved group keeps its RegID, so extras still follow their line.
    const auto zeilen = TischZeilen(*k, zahlen, Listenart::Umbuchung);
    EXPECT_EQ(zeilen[0].regId, zeilen[1].regId);
    EXPECT_EQ(zeilen[3].regId, zeilen[4].regId);
    EXPECT_NE(zeilen[0].regId, zeilen[3].regId);

    AllesUmbuchen(*k, zahlen, tisch5);
    EXPECT_EQ(TischZeilen(*k, tisch5, Listenart::Umbuchung).size(), 5u);
    EXPECT_EQ(TischSumme(*k, tisch5), Geld(1050 + 2 * 1340 + 1400));
    EXPECT_EQ(TischSumme(*k, zahlen), std::nullopt);
}

TEST_F(Umbuchen, OneLineMovesWholePartOrMergesAndBadCountsChangeNothing) {
    PostenAnlegen(*db, pils(3));

    // Cancel, out of range, not a number, and OK on an empty pad followed by cancel.
    dialoge.zahlen = {kAbbrechen, "0", "4", "2.5", "abc", "", kAbbrechen};
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(NurGerichtUmbuchen(*k, tisch5, zahlen, "1", Geld(350)));
    EXPECT_EQ(liste(tisch5), std::string("3x Pils 10,50"));
    EXPECT_TRUE(liste(zahlen).empty());
    EXPECT_TRUE(dialoge.unerwartet.isEmpty());

    dialoge.zahlen = {"", "2"};  // OK on the empty pad asks once more
    EXPECT_TRUE(NurGerichtUmbuchen(*k, tisch5, zahlen, "1", Geld(350)));
    EXPECT_EQ(liste(tisch5), std::string("1x Pils 3,50"));
    EXPECT_EQ(liste(zahlen), std::string("2x Pils 7,00"));
    EXPECT_EQ(dialoge.aufforderungen.last(), kAnzahlEingeben);

    // The last one merges into the equal line without asking.
    const int gefragt = dialoge.aufforderungen.size();
    EXPECT_TRUE(NurGerichtUmbuchen(*k, tisch5, zahlen, "1", Geld(350)));
    EXPECT_EQ(liste(zahlen), std::string("3x Pils 10,50"));
    EXPECT_TRUE(liste(tisch5).empty());
    EXPECT_EQ(dialoge.aufforderungen.size(), gefragt);

    // With no partner the line itself moves and keeps its ID; a part merges.
    const auto cola = PostenAnlegen(*db, [] {
        Posten p = pils(1);
        p.plu = "2";
        return p;
    }());
    EXPECT_TRUE(NurGerichtUmbuchen(*k, tisch5, zahlen, "2", Geld(350)));
    EXPECT_EQ(TischZeilen(*k, zahlen, Listenart::Umbuchung).back().id, cola);
    AllesUmbuchen(*k, zahlen, tisch5);
    EXPECT_EQ(TischZeilen(*k, tisch5, Listenart::Umbuchung).back().id, cola);
    PostenAnlegen(*db, pils(1).aufZahlliste());
    dialoge.zahlen = {"3"};
    EXPECT_TRUE(NurGerichtUmbuchen(*k, tisch5, zahlen, "1", Geld(350)));
    EXPECT_EQ(liste(zahlen), std::string("4x Pils 14,00"));

    // Another price, another station's table, or an empty table: not found.
    PostenAnlegen(*db, [] {
        Posten p = pils(1);
        p.station = "Biergarten";
        return p;
    }());
    EXPECT_FALSE(NurGerichtUmbuchen(*k, zahlen, tisch5, "1", Geld(300)));
    EXPECT_FALSE(NurGerichtUmbuchen(*k, tisch5, zahlen, "1", Geld(350)));
    EXPECT_EQ(TischSumme(*k, {"Biergarten", "5"}), Geld(350));
}

TEST_F(Umbuchen, ALineTakesItsExtrasAlongAndPartsRebuildTheirTexts) {
    station("Gastraum", {"5"});
    const auto regId = schnitzelMitKetchup(*db, 3);
    PostenAnlegen(*db, pils(1));

    dialoge.zahlen = {"2"};
    const auto zeilen = TischZeilen(*k, tisch5, Listenart::Umbuchung);
    MarkierteZeileUmbuchen(*k, tisch5, garten7, zeilen[0], kTischIstLeer);
    EXPECT_EQ(liste(tisch5), std::string("1x Schnitzel 12,90 | + 1x Ketchup 0,50 | 1x Pils 3,50"));
    EXPECT_EQ(liste(garten7), std::string("2x Schnitzel 25,80 | + 2x Ketchup 1,00"));
    // Each table's part is one group of its own.
    const auto links = TischZeilen(*k, tisch5, Listenart::Umbuchung);
    const auto drueben = TischZeilen(*k, garten7, Listenart::Umbuchung);
    EXPECT_EQ(links[0].regId, regId);
    EXPECT_EQ(links[1].regId, regId);
    EXPECT_EQ(drueben[0].regId, drueben[0].id);
    EXPECT_EQ(drueben[1].regId, drueben[0].id);

    // An extra line marked alone never moves and asks nothing.
    const auto ketchup = links[1];
    ASSERT_TRUE(IstExtra(ketchup));
    MarkierteZeileUmbuchen(*k, tisch5, garten7, ketchup, kTischIstLeer);
    EXPECT_EQ(TischZeilen(*k, garten7, Listenart::Umbuchung).size(), 2u);

    // Back from the right: a single portion moves without asking, extras along.
    const auto rechts = TischZeilen(*k, garten7, Listenart::Umbuchung);
    dialoge.zahlen = {"2"};
    MarkierteZeileUmbuchen(*k, garten7, tisch5, rechts[0], kTischIstLeer);
    EXPECT_TRUE(liste(garten7).empty());
    EXPECT_EQ(TischZeilen(*k, tisch5, Listenart::Umbuchung).size(), 5u);
    EXPECT_EQ(TischSumme(*k, tisch5), Geld(350 + 3 * 1340));

    // A group no longer there, and a plain line no longer there.
    MarkierteZeileUmbuchen(*k, garten7, tisch5, rechts[0], kTischIstLeer);
    Tischzeile weg;
    weg.plu = "1";
    weg.extra = "Nein";
    weg.epreis = Geld(350);
    MarkierteZeileUmbuchen(*k, garten7, tisch5, weg, kTischIstLeer);
    EXPECT_EQ(dialoge.meldungen, QStringList({kGerichtNichtGefunden, kTischIstLeer}));
    EXPECT_TRUE(dialoge.unerwartet.isEmpty());
}

TEST_F(Umbuchen, WholeGroupMovesWithItsIdsAndBadCountsLeaveIt) {
    const auto regId = schnitzelMitKetchup(*db, 2);
    dialoge.zahlen = {"3", "-1", kAbbrechen};
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(NurGerichtUmbuchenExtraNichtGleich(*k, tisch5, garten7, regId));
    EXPECT_TRUE(liste(garten7).empty());

    const auto vorher = TischZeilen(*k, tisch5, Listenart::Umbuchung);
    dialoge.zahlen = {"2"};
    EXPECT_TRUE(NurGerichtUmbuchenExtraNichtGleich(*k, tisch5, garten7, regId));
    const auto nachher = TischZeilen(*k, garten7, Listenart::Umbuchung);
    ASSERT_EQ(nachher.size(), 2u);
    EXPECT_EQ(nachher[0].id, vorher[0].id);
    EXPECT_EQ(nachher[1].gericht, QStringLiteral("+ 2x Ketchup"));
    EXPECT_FALSE(NurGerichtUmbuchenExtraNichtGleich(*k, tisch5, garten7, regId));
}

TEST_F(Umbuchen, MovingBackAndForthKeepsTheQuantities) {
    PostenAnlegen(*db, pils(3));
    PostenAnlegen(*db, [] {
        Posten p = pils(2);
        p.plu = "2";
        p.gericht = "Cola";
        p.cent = 280;
        return p;
    }());
    schnitzelMitKetchup(*db, 2);
    const auto summeVorher = TischSumme(*k, tisch5);

    AllesUmbuchen(*k, tisch5, zahlen);
    dialoge.zahlen = {"1", "1", "1"};
    for (const auto& z : TischZeilen(*k, zahlen, Listenart::Umbuchung))
        MarkierteZeileUmbuchen(*k, zahlen, tisch5, z, kGerichtNichtGefunden);
    AllesUmbuchen(*k, zahlen, tisch5);

    EXPECT_EQ(TischSumme(*k, tisch5), summeVorher);
    EXPECT_EQ(liste(tisch5),
              std::string("1x Schnitzel 12,90 | + 1x Ketchup 0,50 | 3x Pils 10,50 | 2x Cola 5,60 | "
                          "1x Schnitzel 12,90 | + 1x Ketchup 0,50"));
}

TEST_F(Umbuchen, ALineAtAnotherVatRateKeepsItsOwnRow) {
    PostenAnlegen(*db, pils(1).aufZahlliste());
    Posten ermaessigt = pils(2);
    ermaessigt.mwst = 700;
    PostenAnlegen(*db, ermaessigt);
    AllesUmbuchen(*k, tisch5, zahlen);
    const auto zeilen = TischZeilen(*k, zahlen, Listenart::Umbuchung);
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0].menge, 1);
    EXPECT_EQ(zeilen[0].mwstSatz, 1900);
    EXPECT_EQ(zeilen[1].menge, 2);
    EXPECT_EQ(zeilen[1].mwstSatz, 700);
}
