#include "reports/Stornobericht.h"

#include "support/DbTest.h"

namespace {

const QDate kTag(2026, 12, 6);

class StornoberichtTest : public DbTest {
protected:
    void storno(const QString& kellner, int menge, std::int64_t epreis, const QDate& datum = kTag) {
        db->ausfuehren(QStringLiteral("INSERT INTO Stornos (Station, Tisch, Kellner, PLU, Gericht, "
                                      "Menge, EPREIS, GPREIS, Datum, Zeit) "
                                      "VALUES ('Gastraum', '5', ?, '1', 'Pils', ?, ?, ?, ?, '12:00')"),
                       kellner, menge, epreis, menge * epreis, datum);
    }
};

TEST_F(StornoberichtTest, SignedLinesAndAPositiveTotalPerWaiter) {
    EXPECT_TRUE(Stornos(*k, kTag, kTag, kAlleKellner).zeilen.empty());
    EXPECT_FALSE(StornoSumme(*k, kTag, kTag, kAlleKellner));

    storno("Anna", -3, 250);
    storno("Anna", 3, 250);  // counted positive in the total all the same
    storno("O'Brien", -1, 400);
    storno("Anna", -1, 990, kTag.addDays(-1));

    const Tabelle alle = Stornos(*k, kTag, kTag, kAlleKellner);
    ASSERT_EQ(alle.zeilen.size(), 3u);
    EXPECT_EQ(alle.spalten.mid(9), QStringList({"E-Preis", "G-Preis"}));
    EXPECT_EQ(alle.wert(0, QStringLiteral("G-Preis")).toLongLong(), -750);
    EXPECT_EQ(alle.wert(1, QStringLiteral("G-Preis")).toLongLong(), 750);
    EXPECT_EQ(StornoSumme(*k, kTag, kTag, kAlleKellner), Geld(1900));

    EXPECT_EQ(Stornos(*k, kTag, kTag, QStringLiteral("O'Brien")).zeilen.size(), 1u);
    EXPECT_EQ(StornoSumme(*k, kTag.addDays(-1), kTag, QStringLiteral("Anna")), Geld(2490));
    EXPECT_FALSE(StornoSumme(*k, kTag, kTag, QStringLiteral("anna")));
}

}  // namespace
