#include "druck/Dokumentablage.h"
#include "druck/Druckrollen.h"
#include "druck/Testseite.h"
#include "support/DbTest.h"

using Druckrollen = DbTest;

// The panel's rows: each ticket role once whatever its spelling, no "kein
// Drucker", then receipts and reports; a choice is found in any spelling.
TEST_F(Druckrollen, RolesOfTheCatalogueAndTheirChoicesIgnoreCase) {
    artikel("1", "Pils", 350, "Bier", "Getränke", "Thekendrucker");
    artikel("2", "Wasser", 250, "Bier", "Getränke", "ThekenDrucker");
    artikel("3", "Suppe", 450, "Vorspeisen", "Speisen", "Küchendrucker");
    artikel("4", "Brot", 0, "Beilagen", "Speisen", "kein Drucker");
    EXPECT_EQ(DruckrollenLesen(*db),
              QStringList({"Thekendrucker", "Küchendrucker", "Kassenbon", "Berichte"}));

    DruckerZuordnen(*db, "Thekendrucker", "Bar_1");
    DruckerZuordnen(*db, "THEKENDRUCKER", "Bar_2");  // replaces, in any spelling
    DruckerZuordnen(*db, "Berichte", kPdfOrdner);
    const struct {
        const char* rolle;
        const char* drucker;
    } faelle[] = {{"thekendrucker", "Bar_2"},
                  {"ThekenDrucker", "Bar_2"},
                  {"Berichte", "PDF-Ordner"},
                  {"Küchendrucker", ""}};
    for (const auto& f : faelle) EXPECT_EQ(GewaehlterDrucker(*db, f.rolle), f.drucker) << f.rolle;
    EXPECT_EQ(RolleDes(""), kRolleKassenbon);
}

// A job is kept as its rendered page: read back, it prints the same.
TEST(Dokumentablage, AKeptDocumentReadsBackElementForElement) {
    const Dokument d = Testseite("Küchendrucker", "Küche \"2\"", QDateTime({2026, 12, 6}, {12, 0}));
    const Dokument zurueck = DokumentLesen(DokumentAblegen(d));
    EXPECT_EQ(DokumentAblegen(zurueck), DokumentAblegen(d));
    EXPECT_EQ(zurueck.rolle, "Küchendrucker");
    EXPECT_EQ(zurueck.text(kKopf, "lblDrucker"), "Drucker: Küche \"2\"");
    EXPECT_THROW(DokumentLesen("{kaputt"), DbFehler);

    Dokument wiederholt = zurueck;
    AlsWiederholung(wiederholt);
    EXPECT_EQ(wiederholt.hoehe, d.hoehe + 9);
    EXPECT_EQ(wiederholt.seiten[0].elemente[1].lage.top(), d.seiten[0].elemente[0].lage.top() + 9);
}
