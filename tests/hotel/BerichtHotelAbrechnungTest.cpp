#include "hotel/Aufenthalte.h"
#include "hotel/BerichtHotelAbrechnung.h"
#include "support/DbTest.h"
#include "ui/bericht/Dokument.h"

namespace {

class HotelBericht : public DbTest {
protected:
    HotelBericht() {
        k->werte.kellner = QStringLiteral("Anna");
        dialoge.beiVorschau = [this](const Dokument& d) { gezeigt.push_back(d); };
    }

    QString detail(const QString& name) const { return gezeigt.back().text(kDetail, name, 0); }

    std::vector<Dokument> gezeigt;
};

}  // namespace

TEST_F(HotelBericht, TheBillSplitsOvernightAndBreakfastWithNetAmountsRoundedWhenPrinted) {
    db->ausfuehren(QStringLiteral("INSERT INTO Betrieb (Name, Adresszeile) VALUES (?, ?)"),
                   QStringLiteral("Hotel Lindenhof"), QStringLiteral("Am Lindenhof 3"));
    ASSERT_TRUE(HotelabrechnungSpeichern(*k, zweiNaechteEZ()));
    BerichtHotelAbrechnung(*k);

    ASSERT_EQ(gezeigt.size(), 1u);
    const Dokument& d = gezeigt.back();
    EXPECT_EQ(d.titel, QStringLiteral("Hotelabrechnung"));
    EXPECT_EQ(d.texte(kKopf),
              QStringList({"Hotel Lindenhof", "Am Lindenhof 3", "Hotelabrechnung", "06.12.2026"}));
    EXPECT_EQ(d.detailzeilen(), 1);
    EXPECT_EQ(detail("txtAnreise"), QStringLiteral("04.12.2026"));
    EXPECT_EQ(detail("txtAbreise"), QStringLiteral("06.12.2026"));
    EXPECT_EQ(detail("txtTextUerbernachtungen"), QStringLiteral("2 Ü im EZ ohne Frühstück "));
    EXPECT_EQ(detail("lblUst19"), QStringLiteral("19%"));
    EXPECT_EQ(detail("txtZimmerEPÜBrutto"), QStringLiteral("70,00"));
    EXPECT_EQ(detail("txtZimmerGPÜBrutto"), QStringLiteral("140,00"));
    EXPECT_EQ(detail("txtTextFruehstueck"), QStringLiteral("2 Frühstück "));
    EXPECT_EQ(detail("lblUst7"), QStringLiteral("7%"));
    EXPECT_EQ(detail("txtZimmerEPFBrutto"), QStringLiteral("10,00"));
    EXPECT_EQ(detail("txtZimmerGPFBrutto"), QStringLiteral("20,00"));
    EXPECT_EQ(detail("txtZimmerGPÜNetto"), QStringLiteral("117,65"));
    EXPECT_EQ(detail("txtMwStBrutto19"), QStringLiteral("140,00"));
    EXPECT_EQ(detail("txtZimmerGPFNetto"), QStringLiteral("18,69"));
    EXPECT_EQ(detail("txtMwStBrutto7"), QStringLiteral("20,00"));
    EXPECT_EQ(d.texte(kFuss), QStringList({"Total", "160,00 €"}));
}

TEST_F(HotelBericht, ThePreviewShowsTheNewestBillAndNothingWithoutOne) {
    BerichtHotelAbrechnung(*k);
    EXPECT_TRUE(gezeigt.empty());
    EXPECT_EQ(dialoge.meldungen, QStringList{kKeineHotelabrechnung});

    ASSERT_TRUE(HotelabrechnungSpeichern(*k, zweiNaechteEZ()));
    BerichtHotelAbrechnung(*k);
    Hotelaufenthalt zweiZimmer = zweiNaechteEZ();
    zweiZimmer.zimmerAnzahl = 2;
    ASSERT_TRUE(HotelabrechnungSpeichern(*k, zweiZimmer));
    BerichtHotelAbrechnung(*k);

    ASSERT_EQ(gezeigt.size(), 2u);
    EXPECT_EQ(gezeigt.front().texte(kFuss).last(), QStringLiteral("160,00 €"));
    // Two rooms: rows, VAT table and total all cover both.
    EXPECT_EQ(gezeigt.back().texte(kFuss).last(), QStringLiteral("320,00 €"));
    EXPECT_EQ(detail("txtZimmerGPÜBrutto"), QStringLiteral("280,00"));
    EXPECT_EQ(detail("txtZimmerGPFBrutto"), QStringLiteral("40,00"));
    EXPECT_EQ(detail("txtZimmerGPÜNetto"), QStringLiteral("235,29"));
    EXPECT_EQ(detail("txtZimmerGPFNetto"), QStringLiteral("37,38"));
    EXPECT_TRUE(drucker.auftraege.empty());  // printed only from the preview
}
