#include "core/Grenzen.h"
#include "hotel/Aufenthalte.h"
#include "support/DbTest.h"

namespace {

class Hotelabrechnung : public DbTest {
  protected:
    Hotelabrechnung() {
        k->werte.kellner = QStringLiteral("O'Brien");
        Hotelsteuersaetze(*db);
    }

    int anzahlRechnungen() {
        Abfrage a = db->abfrage(QStringLiteral("SELECT count(*) FROM AbrechnungHotel"));
        a.naechste();
        return static_cast<int>(a.zahl(0));
    }
    // The newest stored bill, column by column.
    QVariantMap neueste() {
        Abfrage a = db->abfrage(QStringLiteral("SELECT * FROM AbrechnungHotel ORDER BY ID DESC"));
        QVariantMap zeile;
        if (!a.naechste()) return zeile;
        for (int i = 0; i < a.spaltenzahl(); ++i) zeile.insert(a.spaltenname(i), a.wert(i));
        return zeile;
    }
};

}  // namespace

TEST_F(Hotelabrechnung, TwoNightsSingleRoomWithBreakfast) {
    ASSERT_TRUE(HotelabrechnungSpeichern(*k, zweiNaechteEZ()));

    const QVariantMap r = neueste();
    EXPECT_EQ(r["Mitarbeiter"], "O'Brien");
    EXPECT_EQ(r["Datum"], "2026-12-06");
    EXPECT_EQ(r["Anreise"], "2026-12-04");
    EXPECT_EQ(r["Abreise"], "2026-12-06");
    EXPECT_EQ(r["ZimmerAnzahl"], 1);
    EXPECT_EQ(r["ZimmerNr"], 1);
    EXPECT_EQ(r["ZimmerArt"], "EZ");
    EXPECT_EQ(r["Zimmerleistung"], "ÜF");
    EXPECT_EQ(r["TextUerbernachtungen"], "2 Ü im EZ ohne Frühstück ");
    EXPECT_EQ(r["TextFruehstueck"], "2 Frühstück ");
    EXPECT_EQ(r["ZimmerEPÜ"], 7000);
    EXPECT_EQ(r["ZimmerEPÜF"], 8000);
    EXPECT_EQ(r["ZimmerEPF"], 1000);
    EXPECT_EQ(r["ZimmerGPÜ"], 14000);
    EXPECT_EQ(r["ZimmerGPÜF"], 16000);
    EXPECT_EQ(r["ZimmerGPF"], 2000);
    EXPECT_EQ(r["Gesamt"], 16000);
    EXPECT_EQ(r["BAR"], 16000);
    EXPECT_TRUE(r["KARTE"].isNull());
    EXPECT_TRUE(r["GUTSCHEIN"].isNull());
    EXPECT_EQ(r["MwStUebernachtung"], 700);
    EXPECT_EQ(r["MwStFruehstueck"], 700);
    EXPECT_TRUE(dialoge.meldungen.isEmpty());
}

TEST_F(Hotelabrechnung, RowsAndTotalCoverAllRoomsAndPaymentTypesKeepTheirColumns) {
    Hotelaufenthalt zwei = zweiNaechteEZ();
    zwei.zimmerAnzahl = 2;
    zwei.zahlungsart = kKarte;
    EXPECT_EQ(Gesamtpreis(zwei), Geld(32000));
    ASSERT_TRUE(HotelabrechnungSpeichern(*k, zwei));
    QVariantMap r = neueste();
    EXPECT_EQ(r["Gesamt"], 32000);
    EXPECT_EQ(r["KARTE"], 32000);
    EXPECT_TRUE(r["BAR"].isNull());
    EXPECT_EQ(r["TextUerbernachtungen"], "2 Zimmer × 2 Ü im EZ ohne Frühstück ");
    EXPECT_EQ(r["TextFruehstueck"], "4 Frühstück ");
    EXPECT_EQ(r["ZimmerEPÜ"], 7000);  // unit prices stay per room and night
    EXPECT_EQ(r["ZimmerGPÜ"], 28000);
    EXPECT_EQ(r["ZimmerGPÜF"], 32000);
    EXPECT_EQ(r["ZimmerGPF"], 4000);

    Hotelaufenthalt gutschein = zweiNaechteEZ();
    gutschein.zahlungsart = kGutschein;
    ASSERT_TRUE(HotelabrechnungSpeichern(*k, gutschein));
    r = neueste();
    EXPECT_EQ(r["GUTSCHEIN"], 16000);
    EXPECT_TRUE(r["BAR"].isNull());
    EXPECT_TRUE(r["KARTE"].isNull());
    EXPECT_EQ(anzahlRechnungen(), 2);

    gutschein.zahlungsart = QStringLiteral("Gesamt");
    EXPECT_THROW(HotelabrechnungSpeichern(*k, gutschein), DbFehler);
    EXPECT_EQ(anzahlRechnungen(), 2);
}

TEST_F(Hotelabrechnung, NoNightsNoRoomNumberAndNoBreakfast) {
    Hotelaufenthalt a = zweiNaechteEZ();
    a.abreise = a.anreise;
    a.uebernachtungen = 0;
    a.zimmerNr.reset();
    a.zimmerleistung = QStringLiteral("Ü");
    a.zimmerpreis = Geld(7000);
    a.fruehstueckpreis.reset();
    EXPECT_EQ(Gesamtpreis(a), Geld(0));
    ASSERT_TRUE(HotelabrechnungSpeichern(*k, a));

    const QVariantMap r = neueste();
    EXPECT_EQ(r["TextUerbernachtungen"], "0 Ü ohne Frühstück ");
    EXPECT_EQ(r["TextFruehstueck"], "0 Frühstück ");
    EXPECT_TRUE(r["ZimmerNr"].isNull());
    EXPECT_EQ(r["ZimmerEPÜ"], 7000);
    EXPECT_EQ(r["ZimmerEPF"], 0);
    EXPECT_EQ(r["ZimmerGPÜ"], 0);
    EXPECT_EQ(r["Gesamt"], 0);
    EXPECT_EQ(r["BAR"], 0);
}

TEST_F(Hotelabrechnung, RefusesStaysThatWouldBillNonsense) {
    const std::vector<std::pair<std::function<void(Hotelaufenthalt&)>, QString>> faelle = {
        {[](Hotelaufenthalt& a) { a.abreise = a.anreise.addDays(-1); }, kAbreiseVorAnreise},
        {[](Hotelaufenthalt& a) { a.zimmerAnzahl = -1; }, kNegativ},
        {[](Hotelaufenthalt& a) { a.uebernachtungen = -2; }, kNegativ},
        {[](Hotelaufenthalt& a) { a.zimmerpreis = Geld(-8000); }, kNegativ},
        {[](Hotelaufenthalt& a) { a.fruehstueckpreis = Geld(-1); }, kNegativ},
        {[](Hotelaufenthalt& a) { a.zimmerAnzahl.reset(); }, kAngabenFehlen},
        {[](Hotelaufenthalt& a) { a.uebernachtungen.reset(); }, kAngabenFehlen},
        {[](Hotelaufenthalt& a) { a.zimmerpreis.reset(); }, kAngabenFehlen},
        {[](Hotelaufenthalt& a) { a.fruehstueckpreis = Geld(8001); }, kFruehstueckZuTeuer},
        {[](Hotelaufenthalt& a) { a.uebernachtungen = 100000; }, kZuGross},
        {[](Hotelaufenthalt& a) { a.zimmerpreis = Geld(10000000); }, kPreisZuHoch},
    };
    for (const auto& [aendern, meldung] : faelle) {
        Hotelaufenthalt a = zweiNaechteEZ();
        aendern(a);
        EXPECT_FALSE(HotelabrechnungSpeichern(*k, a)) << meldung.toStdString();
        EXPECT_EQ(dialoge.meldungen.takeLast(), meldung);
    }
    // Without valid VAT rates of the owner no bill is priced.
    for (const auto& [uebernachtung, fruehstueck] :
         std::vector<std::pair<int, int>>{{0, 700}, {700, 10001}, {-700, 700}}) {
        Hotelsteuersaetze(*db, uebernachtung, fruehstueck);
        EXPECT_FALSE(HotelabrechnungSpeichern(*k, zweiNaechteEZ())) << uebernachtung;
        EXPECT_EQ(dialoge.meldungen.takeLast(), kHotelSteuersatzFehlt);
    }
    db->ausfuehren(QStringLiteral("DELETE FROM Betrieb"));
    EXPECT_FALSE(HotelabrechnungSpeichern(*k, zweiNaechteEZ()));
    EXPECT_EQ(dialoge.meldungen.takeLast(), kHotelSteuersatzFehlt);
    EXPECT_EQ(anzahlRechnungen(), 0);
}

TEST_F(Hotelabrechnung, NumberFieldsEraseWhatIsNoNumberAndRefuseNegatives) {
    EXPECT_EQ(ZahlfeldPruefen(*k, "3", Zahlfeld::Anzahl), "3");
    EXPECT_EQ(ZahlfeldPruefen(*k, "80,50", Zahlfeld::Preis), "80,50");
    EXPECT_EQ(ZahlfeldPruefen(*k, "0", Zahlfeld::Preis), "0");
    for (const char* keineZahl : {"abc", "", "1,5", "2x", "'", "12345678901"})
        EXPECT_EQ(ZahlfeldPruefen(*k, keineZahl, Zahlfeld::Anzahl), QString()) << keineZahl;
    for (const char* keineZahl : {"abc", "8,505", "€"})
        EXPECT_EQ(ZahlfeldPruefen(*k, keineZahl, Zahlfeld::Preis), QString()) << keineZahl;
    EXPECT_TRUE(dialoge.meldungen.isEmpty());

    EXPECT_EQ(ZahlfeldPruefen(*k, "-1", Zahlfeld::Anzahl), QString());
    EXPECT_EQ(ZahlfeldPruefen(*k, "-0,01", Zahlfeld::Preis), QString());
    EXPECT_EQ(ZahlfeldPruefen(*k, "100000", Zahlfeld::Anzahl), QString());
    EXPECT_EQ(ZahlfeldPruefen(*k, "100.000,00", Zahlfeld::Preis), QString());
    EXPECT_EQ(ZahlfeldPruefen(*k, "99.999,99", Zahlfeld::Preis), "99.999,99");
    EXPECT_EQ(dialoge.meldungen, QStringList({kNegativ, kNegativ, kZuGross, kPreisZuHoch}));
}
