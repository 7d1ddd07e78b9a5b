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
        Hotelsteuersaetze(*db);
    }

    QString detail(const QString& name) const { return gezeigt.back().text(kDetail, name, 0); }

    std::vector<Dokument> gezeigt;
};

}  // namespace

TEST_F(HotelBericht, TheBillSplitsOvernightAndBreakfastAtTheOwnersRates) {
    const struct {
        int uebernachtung, fruehstueck;
        QString codeUebernachtung, codeFruehstueck;
        std::vector<QStringList> steuern;  // rate, net, VAT, gross
    } faelle[] = {
        {1900,
         700,
         "19 %",
         "7 %",
         {{"19 %", "117,65", "22,35", "140,00"}, {"7 %", "18,69", "1,31", "20,00"}}},
        {700, 700, "7 %", "7 %", {{"7 %", "149,53", "10,47", "160,00"}}},
        {700,
         1900,
         "7 %",
         "19 %",
         {{"19 %", "16,81", "3,19", "20,00"}, {"7 %", "130,84", "9,16", "140,00"}}},
    };
    for (const auto& f : faelle) {
        Hotelsteuersaetze(*db, f.uebernachtung, f.fruehstueck);
        ASSERT_TRUE(HotelabrechnungSpeichern(*k, zweiNaechteEZ()));
        BerichtHotelAbrechnung(*k);
        const Dokument& d = gezeigt.back();
        EXPECT_EQ(d.titel, QStringLiteral("Hotelabrechnung"));
        EXPECT_EQ(d.texte(kKopf), QStringList({"Hotel Lindenhof", "Am Lindenhof 3",
                                               "Hotelabrechnung", "06.12.2026"}));
        EXPECT_EQ(d.detailzeilen(), 1);
        EXPECT_EQ(detail("txtAnreise"), QStringLiteral("04.12.2026"));
        EXPECT_EQ(detail("txtAbreise"), QStringLiteral("06.12.2026"));
        EXPECT_EQ(detail("txtTextUerbernachtungen"), QStringLiteral("2 Ü im EZ ohne Frühstück "));
        EXPECT_EQ(detail("txtUstUebernachtung"), f.codeUebernachtung);
        EXPECT_EQ(detail("txtZimmerEPÜBrutto"), QStringLiteral("70,00"));
        EXPECT_EQ(detail("txtZimmerGPÜBrutto"), QStringLiteral("140,00"));
        EXPECT_EQ(detail("txtTextFruehstueck"), QStringLiteral("2 Frühstück "));
        EXPECT_EQ(detail("txtUstFruehstueck"), f.codeFruehstueck);
        EXPECT_EQ(detail("txtZimmerEPFBrutto"), QStringLiteral("10,00"));
        EXPECT_EQ(detail("txtZimmerGPFBrutto"), QStringLiteral("20,00"));
        for (std::size_t i = 0; i <= f.steuern.size(); ++i) {
            QStringList zeile;
            for (const char* spalte :
                 {"lblSteuersatz", "lblSteuerNetto", "lblSteuerMwSt", "lblSteuerBrutto"})
                zeile << d.text(kFuss, QString::fromUtf8(spalte) + QString::number(i));
            EXPECT_EQ(zeile, i < f.steuern.size() ? f.steuern[i] : QStringList(4, QString()))
                << f.uebernachtung << " " << i;
        }
        EXPECT_EQ(d.text(kFuss, "txtSummeGesamt"), QStringLiteral("160,00 €"));
    }
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
    EXPECT_EQ(gezeigt.front().text(kFuss, "txtSummeGesamt"), QStringLiteral("160,00 €"));
    // Two rooms: rows, VAT table and total all cover both.
    EXPECT_EQ(gezeigt.back().text(kFuss, "txtSummeGesamt"), QStringLiteral("320,00 €"));
    EXPECT_EQ(detail("txtZimmerGPÜBrutto"), QStringLiteral("280,00"));
    EXPECT_EQ(detail("txtZimmerGPFBrutto"), QStringLiteral("40,00"));
    EXPECT_EQ(gezeigt.back().text(kFuss, "lblSteuerNetto0"), QStringLiteral("299,07"));
    EXPECT_TRUE(drucker.auftraege.empty());  // printed only from the preview
}
