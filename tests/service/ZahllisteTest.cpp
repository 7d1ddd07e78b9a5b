#include "fiskal/Journal.h"
#include "service/Abkassieren.h"
#include "service/Tischzeilen.h"
#include "service/Zahlliste.h"
#include "support/DbTest.h"
#include "support/Posten.h"

namespace {

class Zahlliste : public DbTest {};

TEST_F(Zahlliste, LinesLeftThereGoHomeAndNeverReachAnotherTablesBill) {
    // Table 3's settlement ended half-way: one of its two Colas is on the pay
    // list; so are the Pils of table 7 and a Cola of the beer garden's table 3.
    Posten cola;
    cola.tisch = "3";
    cola.plu = "2";
    cola.gericht = "Cola";
    cola.cent = 280;
    PostenAnlegen(*db, cola);
    PostenAnlegen(*db, cola.aufZahlliste());
    Posten garten = cola;
    garten.station = "Biergarten";
    PostenAnlegen(*db, garten.aufZahlliste());
    Posten pils;
    pils.tisch = "7";
    PostenAnlegen(*db, pils.aufZahlliste());

    // Table 7 is settled first: its bill and receipt hold its Pils alone.
    kellner("Anna", "1");
    amTisch("Anna", "Gastraum", "7");
    ASSERT_TRUE(Abkassieren(*k, kKassenbon, kBar, {}));
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(drucker.auftraege[0].texte(kDetail),
              QStringList({"Pils", "1", "x", "3,50", "3,50 €", "A"}));
    EXPECT_EQ(zahl("SELECT Gesamt FROM Rechnungsuebersicht"), 350);
    Abfrage kasse = db->abfrage("SELECT Kasse FROM Rechnungsuebersicht");
    ASSERT_TRUE(kasse.naechste());
    EXPECT_EQ(kasse.text(0), Kassenname());  // the till that made the bill
    EXPECT_EQ(zahl("SELECT COUNT(*) FROM RechnungDetails WHERE Gericht = 'Cola'"), 0);

    // At start-up the Colas go back to their tables, merging with what is there;
    // the beer garden's stay while another till has its table open and settles it.
    db->ausfuehren("INSERT INTO Tischsperren VALUES ('Biergarten', '3', 'Terrasse', ?)",
                   uhr.zeit.toString(Qt::ISODate));
    ZahllisteZurueckbuchen(*k);
    EXPECT_EQ(zahl("SELECT COUNT(*) FROM OffeneTische WHERE Tisch = 'Zahlen'"), 1);
    db->ausfuehren("DELETE FROM Tischsperren");
    ZahllisteZurueckbuchen(*k);
    EXPECT_EQ(zahl("SELECT COUNT(*) FROM OffeneTische WHERE Tisch = 'Zahlen'"), 0);
    const auto tisch3 = TischZeilen(*k, {"Gastraum", "3"}, Listenart::Abrechnung);
    ASSERT_EQ(tisch3.size(), 1u);
    EXPECT_EQ(tisch3[0].menge, 2);
    EXPECT_EQ(tisch3[0].gpreis, Geld(560));
    EXPECT_EQ(TischSumme(*k, {"Biergarten", "3"}), Geld(280));
    EXPECT_EQ(zahl("SELECT COUNT(*) FROM OffeneTische WHERE Herkunft IS NOT NULL"), 0);
}

}  // namespace
