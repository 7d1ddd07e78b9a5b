#include "LedgerTest.h"
#include "service/Extras.h"
#include "service/Stornieren.h"
#include "service/Tischanzeige.h"

using OffeneTischeAnzeigenTest = LedgerTest;

TEST_F(OffeneTischeAnzeigenTest, LinesOfTheTableInGroupOrderWithSumsAndCaptions) {
    station("Biergarten", {"1"});
    amTisch("Tom", "Biergarten", "1");
    offeneZeile("10", 9, kAlt);  // same table name, other station
    amTisch("Tom", "Gastraum", "1");
    const std::int64_t bier = offeneZeile("10", 2, kAlt);
    const std::int64_t schnitzel = offeneZeile("20", 1, kNeu);
    offeneZeile("10", 1, kNeu);
    ASSERT_TRUE(ExtraEintragen(*k, schnitzel, {"501"}));

    Tischanzeige anzeige;
    OffeneTischeAnzeigen(*k, anzeige, "1", kNeu);
    const Tischzeilenmodell& m = anzeige.modell;
    EXPECT_EQ(anzeige.modus, kNeu);
    ASSERT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.zeile(0).id, schnitzel);
    EXPECT_EQ(m.zeile(1).gericht, QStringLiteral("+ 1x Pommes"));  // follows its line
    EXPECT_EQ(m.zeile(2).plu, QStringLiteral("10"));
    EXPECT_EQ(m.data(m.index(0, Tischzeilenmodell::PLU)).toString(), QStringLiteral("20"));
    EXPECT_EQ(m.data(m.index(0, Tischzeilenmodell::Anzahl)).toString(), QStringLiteral("1x"));
    EXPECT_EQ(m.data(m.index(0, Tischzeilenmodell::GPreis)).toString(), QStringLiteral("12,90 €"));
    EXPECT_EQ(m.data(m.index(1, Tischzeilenmodell::EPreis)).toString(), QStringLiteral("3,50 €"));
    EXPECT_EQ(m.headerData(Tischzeilenmodell::Anzahl, Qt::Horizontal).toString(),
              QStringLiteral("Anz."));
    EXPECT_EQ(m.headerData(Tischzeilenmodell::EPreis, Qt::Horizontal).toString(),
              QStringLiteral("E-Preis"));
    EXPECT_EQ(m.headerData(Tischzeilenmodell::GPreis, Qt::Horizontal).toString(),
              QStringLiteral("G-Preis"));
    EXPECT_EQ(anzeige.summe, Geld(1290 + 350 + 350));
    EXPECT_EQ(anzeige.ueberschrift, QStringLiteral("Gastraum   Tisch: 1"));

    // "Alt" shows the sent lines and sums the whole table.
    OffeneTischeAnzeigen(*k, anzeige, "1", kAlt);
    ASSERT_EQ(m.rowCount(), 1);
    EXPECT_EQ(m.zeile(0).id, bier);
    EXPECT_EQ(anzeige.summe, Geld(700 + 1290 + 350 + 350));
    EXPECT_EQ(anzeige.summentext(), QStringLiteral("26,90 €"));

    // Every line cancelled: no sum, and the caption without its colon.
    ASSERT_TRUE(GruppeStornieren(*k, schnitzel));
    db->ausfuehren("DELETE FROM OffeneTische WHERE Station = 'Gastraum'");
    OffeneTischeAnzeigen(*k, anzeige, "1", kAlt);
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(anzeige.summe, std::nullopt);
    EXPECT_EQ(anzeige.summentext(), QString());
    EXPECT_EQ(anzeige.ueberschrift, QStringLiteral("Gastraum   Tisch 1"));
}
