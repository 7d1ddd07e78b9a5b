#include "service/Schnellwahltasten.h"
#include "support/DbTest.h"

namespace {

using Schnellwahltasten = DbTest;

TEST_F(Schnellwahltasten, MainKeysByPositionArticleKeysByRowWithColours) {
    db->ausfuehren(
        QStringLiteral("INSERT INTO WarengruppeTasten (WG, Tastenreihe) VALUES "
                       "('Speisen', 2), ('Kellner''s Bier', 1)"));
    db->ausfuehren(
        QStringLiteral("INSERT INTO ArtikelTasten (WG, SP1, SP1PLU, SP1Farbe, SP5, SP5PLU) "
                       "VALUES ('Kellner''s Bier', 'Pils', '12', 16711680, 'Weizen', '14'), "
                       "('Speisen', 'Suppe', '30', NULL, NULL, NULL), "
                       "('Kellner''s Bier', 'Radler', '13', 0, NULL, NULL)"));
    const auto haupt = HaupttastenLesen(*k);
    ASSERT_EQ(haupt.size(), 2);
    EXPECT_EQ(haupt[0].wg, QStringLiteral("Kellner's Bier"));
    EXPECT_EQ(haupt[1].wg, QStringLiteral("Speisen"));

    const auto reihen = ArtikeltastenLesen(*k, haupt[0].wg);
    ASSERT_EQ(reihen.size(), 2);
    EXPECT_EQ(reihen[0].tasten[0].text, QStringLiteral("Pils"));
    EXPECT_EQ(reihen[0].tasten[0].farbe, 0xFF0000u);
    EXPECT_EQ(reihen[0].tasten[4].plu, QStringLiteral("14"));
    EXPECT_FALSE(reihen[0].tasten[4].farbe.has_value());
    EXPECT_TRUE(reihen[0].tasten[1].text.isEmpty());
    EXPECT_EQ(reihen[1].tasten[0].farbe, 0u);  // black is a colour, not "none"

    // A key reads its number afresh; a changed layout wins, a missing row is empty.
    db->ausfuehren(QStringLiteral("UPDATE ArtikelTasten SET SP1PLU = '15' WHERE ID = ?"),
                   reihen[0].id);
    EXPECT_EQ(ArtikeltastePLU(*k, reihen[0].id, 1), QStringLiteral("15"));
    EXPECT_EQ(ArtikeltastePLU(*k, reihen[0].id, 2), QString());
    EXPECT_EQ(ArtikeltastePLU(*k, 999, 1), QString());
    EXPECT_EQ(ArtikeltastePLU(*k, reihen[0].id, 6), QString());
}

}  // namespace
