#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/Datenbankdatei.h"
#include "core/Einstellungen.h"
#include "fiskal/Journal.h"
#include "fiskal/tse/Tse.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tseprozessdaten.h"
#include "fiskal/tse/Tsesimulation.h"
#include "hotel/Aufenthalte.h"
#include "hotel/Gaeste.h"
#include "hotel/Hotelrechnung.h"
#include "hotel/Zimmerbelastung.h"
#include "reports/Berichte.h"
#include "reports/Kassenabschluss.h"
#include "reports/Rechnungsuebersicht.h"
#include "service/Abkassieren.h"
#include "support/Abendessen.h"
#include "support/DbTest.h"

namespace {

// A hotel with rooms 101 and 102 (single, 70,00 a night, 82,00 with
// breakfast); nights at 7 %, breakfast at 19 %.
class Gaeste : public DbTest {
  protected:
    Gaeste() {
        kellner("Anna", "1", "", {"Rechnungen"});
        amTisch("Anna", "Gastraum", "5");
        Hotelsteuersaetze(*db, 700, 1900);
        zimmerpreis(101, "EZ", 7000, 8200);
        zimmerpreis(102, "EZ", 7000, 8200);
    }

    Anreisedaten zimmer(int nr, const QString& gast) {
        return {nr,
                QStringLiteral("EZ"),
                QStringLiteral("ÜF"),
                gast,
                QStringLiteral("Hauptstraße 1, 10115 Berlin"),
                QDate(2026, 12, 4),
                QDate(2026, 12, 6),
                {Geld(8200), Geld(1200)}};
    }
    std::int64_t einchecken(int nr, const QString& gast = QStringLiteral("Erika O'Neil")) {
        const auto id = Anreise(*k, zimmer(nr, gast));
        EXPECT_TRUE(id.has_value()) << dialoge.meldungen.join('|').toStdString();
        return id.value_or(0);
    }
    std::int64_t zahl(const char* sql) {
        Abfrage a = db->abfrage(QString::fromUtf8(sql));
        a.naechste();
        return a.zahl(0);
    }
    QJsonObject journal(const QString& art) {
        Abfrage a = db->abfrage(
            QStringLiteral("SELECT Inhalt FROM Journal WHERE Art = ? ORDER BY Nr DESC LIMIT 1"),
            art);
        return a.naechste() ? QJsonDocument::fromJson(a.text(0).toUtf8()).object() : QJsonObject();
    }
};

}  // namespace

TEST_F(Gaeste, TwoDinnersOnTheRoomAndTwoNightsMakeOneHotelBill) {
    const auto id = einchecken(101);
    ASSERT_EQ(ZimmerImHaus(*k).size(), 1u);
    EXPECT_EQ(ZimmerImHaus(*k)[0].gast, QStringLiteral("Erika O'Neil"));

    ASSERT_TRUE(Abendessen(*k, ZimmerZahlungsart(101),
                           {Gericht("Pils", 2, 350, 1900), Gericht("Schnitzel", 1, 1450, 700)}));
    ASSERT_TRUE(Abendessen(*k, ZimmerZahlungsart(101), {Gericht("Wein", 1, 600, 1900)}));
    Abfrage bills = db->abfrage(
        QStringLiteral("SELECT RegNr, BAR, ZIMMER FROM Rechnungsuebersicht ORDER BY RegNr"));
    for (const auto& [regNr, zimmer] : {std::pair{1, 2150}, std::pair{2, 600}}) {
        ASSERT_TRUE(bills.naechste());
        EXPECT_EQ(bills.zahl(0), regNr);
        EXPECT_EQ(bills.zahl(1), 0);
        EXPECT_EQ(bills.zahl(2), zimmer);
    }
    // The journal's bill carries the room charge; the guest signs a slip.
    EXPECT_EQ(journal(kJournalRechnung).value("ZIMMER").toInteger(), 600);
    EXPECT_EQ(journal(kJournalRechnung).value("Zahlungsart").toString(), "ZIMMER 101");
    ASSERT_EQ(drucker.auftraege.size(), 4u);
    const Dokument& beleg = drucker.auftraege[1];
    EXPECT_EQ(beleg.titel, "Zimmerbelastung");
    EXPECT_EQ(beleg.text(kKopf, "lblZimmerbelastung"),
              QStringLiteral("Zimmerbelastung Zimmer 101 – Gast: Erika O'Neil"));
    EXPECT_EQ(beleg.text(kKopf, "lblBetrag"), "21,50 €");
    EXPECT_EQ(beleg.text(kKopf, "lblUnterschrift"), "Unterschrift des Gastes");
    EXPECT_TRUE(drucker.auftraege[0].texte(kFuss).contains("ZIMMER"));

    drucker.auftraege.clear();
    ASSERT_EQ(Abreisen(*k, {id}, kKarte), 1);
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    const Dokument& rechnung = drucker.auftraege[0];
    EXPECT_EQ(rechnung.text(kKopf, "lblTitel"), "Hotelrechnung Nr. 1");
    EXPECT_EQ(rechnung.text(kKopf, "lblGast"), "Erika O'Neil");
    EXPECT_EQ(rechnung.text(kKopf, "lblGastAdresse"), "Hauptstraße 1, 10115 Berlin");
    EXPECT_EQ(rechnung.text(kKopf, "lblAufenthalt"), "Aufenthalt: 04.12.2026 – 06.12.2026");
    EXPECT_EQ(rechnung.texte(kDetail),
              QStringList({"Zimmer 101 (EZ), Übernachtung 04.12.2026 – 06.12.2026",
                           "B",
                           "2",
                           "70,00 €",
                           "140,00 €",  //
                           "Zimmer 101, Frühstück",
                           "A",
                           "2",
                           "12,00 €",
                           "24,00 €",  //
                           "Restaurant 06.12.2026, Rechnung Nr. 1",
                           "A",
                           "1",
                           "7,00 €",
                           "7,00 €",  //
                           "Restaurant 06.12.2026, Rechnung Nr. 1",
                           "B",
                           "1",
                           "14,50 €",
                           "14,50 €",  //
                           "Restaurant 06.12.2026, Rechnung Nr. 2",
                           "A",
                           "1",
                           "6,00 €",
                           "6,00 €"}));
    // VAT over nights, breakfast and dinners together: 19 % of 37,00, 7 % of 154,50.
    EXPECT_EQ(rechnung.text(kFuss, "lblSteuerBrutto0"), "37,00 €");
    EXPECT_EQ(rechnung.text(kFuss, "lblSteuerNetto0"), "31,09 €");
    EXPECT_EQ(rechnung.text(kFuss, "lblSteuerBrutto1"), "154,50 €");
    EXPECT_EQ(rechnung.text(kFuss, "lblSteuerNetto1"), "144,39 €");
    EXPECT_EQ(rechnung.text(kFuss, "lblSumme"), "191,50 €");
    EXPECT_EQ(rechnung.text(kFuss, "lblZahlungsart"), "Bezahlt: KARTE");

    const QJsonObject inhalt = journal(kJournalHotelrechnung);
    QStringList schluessel = inhalt.keys();
    EXPECT_EQ(schluessel,
              QStringList({"Abreise", "Anreise", "Gast", "Gesamt", "Rechnungsnr", "Steuersaetze",
                           "Zahlungsart", "Zeilen", "Zimmerbelastungen"}));
    EXPECT_EQ(inhalt["Gesamt"].toInteger(), 19150);
    EXPECT_EQ(inhalt["Anreise"].toString(), "2026-12-04");
    EXPECT_EQ(inhalt["Zahlungsart"].toString(), "KARTE");
    EXPECT_EQ(QJsonDocument(inhalt["Zimmerbelastungen"].toArray()).toJson(QJsonDocument::Compact),
              R"([{"Betrag":2150,"RegNr":1},{"Betrag":600,"RegNr":2}])");
    EXPECT_EQ(QJsonDocument(inhalt["Steuersaetze"].toArray()).toJson(QJsonDocument::Compact),
              R"([{"Brutto":3700,"MwStSatz":1900},{"Brutto":15450,"MwStSatz":700}])");
    EXPECT_EQ(inhalt["Zeilen"].toArray().size(), 5);
    EXPECT_TRUE(ZimmerImHaus(*k).empty());
    EXPECT_TRUE(dialoge.meldungen.isEmpty()) << dialoge.meldungen.join('|').toStdString();
}

// Every refusal names its reason and leaves no stay, bill or charge behind.
TEST_F(Gaeste, RefusalsOfCheckInAndRoomChargesStoreNothing) {
    einchecken(101, QStringLiteral("Erika O'Neil"));
    const auto abgereist = einchecken(102, QStringLiteral("Max Gast"));
    ASSERT_TRUE(Abreisen(*k, {abgereist}, kBar));
    const std::int64_t aufenthalte = zahl("SELECT COUNT(*) FROM Aufenthalte");

    const auto mit = [this](std::function<void(Anreisedaten&)> aendern) {
        Anreisedaten d = zimmer(102, QStringLiteral("Neuer Gast"));
        aendern(d);
        return d;
    };
    const struct {
        Anreisedaten daten;
        QString meldung;
    } anreisen[] = {
        {zimmer(101, QStringLiteral("Zweiter Gast")), QStringLiteral("Zimmer 101 ist belegt.")},
        {zimmer(999, QStringLiteral("Gast")), QStringLiteral("Zimmer 999 gibt es nicht.")},
        {mit([](Anreisedaten& d) { d.gast = QStringLiteral("  "); }), kGastFehlt},
        {mit([](Anreisedaten& d) { d.abreise = d.anreise.addDays(-1); }), kAbreiseVorAnreise},
        {mit([](Anreisedaten& d) {
             d.preis = {Geld(-100), Geld()};
         }),
         kNegativ},
        {mit([](Anreisedaten& d) {
             d.preis = {Geld(8200), Geld(9000)};
         }),
         kFruehstueckZuTeuer},
        {mit([](Anreisedaten& d) {
             d.preis = {Geld(), std::nullopt};
         }),
         kPreisFehlt},
    };
    for (const auto& fall : anreisen) {
        dialoge.meldungen.clear();
        EXPECT_FALSE(Anreise(*k, fall.daten)) << fall.meldung.toStdString();
        EXPECT_EQ(dialoge.meldungen, QStringList{fall.meldung});
    }
    EXPECT_EQ(zahl("SELECT COUNT(*) FROM Aufenthalte"), aufenthalte);

    const QString nichtGebucht =
        QStringLiteral(" Die Rechnung kann nicht auf das Zimmer gebucht werden.");
    const struct {
        int zimmer;
        QString meldung;
    } belastungen[] = {
        {999, QStringLiteral("Zimmer 999 gibt es nicht.") + nichtGebucht},
        {102,
         QStringLiteral("Der Gast Max Gast aus Zimmer 102 ist bereits abgereist.") + nichtGebucht},
        {103, QStringLiteral("Zimmer 103 ist frei: dort wohnt kein Gast.") + nichtGebucht},
    };
    zimmerpreis(103, "DZ", 9000, 11000);
    for (const auto& fall : belastungen) {
        dialoge.meldungen.clear();
        drucker.auftraege.clear();
        EXPECT_FALSE(
            Abendessen(*k, ZimmerZahlungsart(fall.zimmer), {Gericht("Pils", 1, 350, 1900)}));
        EXPECT_EQ(dialoge.meldungen, QStringList{fall.meldung});
        EXPECT_TRUE(drucker.auftraege.empty());
        EXPECT_EQ(zahl("SELECT COUNT(*) FROM Rechnungsuebersicht"), 0);
        EXPECT_EQ(zahl("SELECT COUNT(*) FROM Zimmerbelastungen"), 0);
        // The same choice on the settlement screen's pad refuses alike.
        dialoge.meldungen.clear();
        dialoge.zahlen = {QString::number(fall.zimmer)};
        EXPECT_EQ(ZimmerWaehlen(*k), std::nullopt);
        EXPECT_EQ(dialoge.meldungen, QStringList{fall.meldung});
    }
    dialoge.meldungen.clear();
    dialoge.zahlen = {QString()};
    EXPECT_EQ(ZimmerWaehlen(*k), std::nullopt);
    EXPECT_EQ(dialoge.meldungen, QStringList{kKeineZimmernummer});

    // Check-out of nothing, or of a stay gone already.
    dialoge.meldungen.clear();
    EXPECT_EQ(Abreisen(*k, {}, kBar), std::nullopt);
    EXPECT_EQ(Abreisen(*k, {abgereist}, kBar), std::nullopt);
    EXPECT_EQ(dialoge.meldungen,
              QStringList({kKeinZimmerGewaehlt,
                           QStringLiteral("Ein gewähltes Zimmer ist nicht mehr belegt.")}));
    EXPECT_EQ(zahl("SELECT Letzte FROM Hotelrechnungsnummer"), 1);
}

TEST_F(Gaeste, RoomChargesAreTheirOwnPaymentTypeAndNotCash) {
    kellner("Ben", "2");
    einchecken(101);
    ASSERT_TRUE(Abendessen(*k, kBar, {Gericht("Pils", 2, 350, 1900)}));
    amTisch("Ben", "Gastraum", "5");
    ASSERT_TRUE(Abendessen(*k, ZimmerZahlungsart(101), {Gericht("Schnitzel", 1, 1450, 700)}));

    UmsaetzeAktualisieren(*k);
    const QDate tag(2026, 12, 6);
    const Dokument kasse = KassenberichtErzeugen(*k, tag, tag);
    EXPECT_EQ(kasse.text(kDetail, "txtBAR", 0), "7,00 €");
    EXPECT_EQ(kasse.text(kDetail, "txtKARTE", 0), "0,00 €");
    EXPECT_EQ(kasse.text(kDetail, "lblZIMMER", 0), "Summe <Zimmer>");
    EXPECT_EQ(kasse.text(kDetail, "txtZIMMER", 0), "14,50 €");
    EXPECT_EQ(kasse.text(kFuss, "lblSummeBrutto"), "21,50 €");

    const Dokument kellnerbericht = KellnerberichtErzeugen(*k, QString(), tag, tag);
    EXPECT_EQ(kellnerbericht.texte(kDetail),
              QStringList({"Kellner :", "Anna",  "Offene Rechnungen", "", "Kassiert", "7,00",
                           "Zimmer",    "0,00",  "Stornos",           "",  //
                           "Kellner :", "Ben",   "Offene Rechnungen", "", "Kassiert", "0,00",
                           "Zimmer",    "14,50", "Stornos",           ""}));
    EXPECT_EQ(kellnerbericht.text(kFuss, "lblSummeBrutto"), "21,50 €");

    // The guest pays a room charge with the hotel bill: the overview cannot make it cash.
    kellner("Chef", "3", "", {"ZahlartAendern"});
    amTisch("Chef", "Gastraum", "5");
    Zahlartwahl wahl{QStringLiteral("2"), QStringLiteral("ZIMMER 101"), -1};
    EXPECT_EQ(ZahlartGewaehlt(*k, wahl, 0), std::nullopt);
    EXPECT_EQ(dialoge.meldungen, QStringList{kZimmerZahlartFest});
    EXPECT_EQ(zahl("SELECT ZIMMER FROM Rechnungsuebersicht WHERE RegNr = 2"), 1450);

    // The closing keeps room charges apart from cash as well.
    UmsaetzeAbschliessen(*k);
    EXPECT_EQ(zahl("SELECT BAR FROM AlleUmsaetze"), 700);
    EXPECT_EQ(zahl("SELECT ZIMMER FROM AlleUmsaetze"), 1450);
    EXPECT_EQ(journal(kJournalKassenabschluss).value("ZIMMER").toInteger(), 1450);
    EXPECT_EQ(journal(kJournalKassenabschluss).value("BAR").toInteger(), 700);
}

// Invoice numbers come from a counter in the file: they go on after the file
// is opened again and a reprint never takes a new one.
TEST_F(Gaeste, InvoiceNumbersContinueAcrossReopeningAndGroupsShareOneBill) {
    const auto erika = einchecken(101);
    ASSERT_EQ(Abreisen(*k, {erika}, kBar), 1);

    k.reset();
    db.reset();
    db = Datenbank::oeffnen(dateipfad(), kDatenbankKennwort);
    k = std::make_unique<Kontext>(*db, uhr, dialoge, drucker);
    amTisch("Anna", "Gastraum", "5");

    // A group in two rooms on one bill; an open table is named before check-out.
    const auto leitung = einchecken(101, QStringLiteral("Reisegruppe Sonne"));
    const auto zweites = einchecken(102, QStringLiteral("Reisegruppe Sonne, Zimmer 2"));
    ASSERT_TRUE(Abendessen(*k, ZimmerZahlungsart(102), {Gericht("Wein", 1, 600, 1900)}));
    Posten offen;
    offen.tisch = QStringLiteral("7");
    PostenAnlegen(*db, offen);
    dialoge.jaNein = {false, true};
    EXPECT_EQ(Abreisen(*k, {leitung, zweites}, kUeberweisung), std::nullopt);
    ASSERT_EQ(dialoge.fragen.size(), 1);
    EXPECT_EQ(dialoge.fragen[0], QStringLiteral("Noch offene Tische: Gastraum 7\nDort können noch "
                                                "Rechnungen auf das Zimmer gebucht werden. "
                                                "Trotzdem abreisen?"));
    EXPECT_EQ(ZimmerImHaus(*k).size(), 2u);
    drucker.auftraege.clear();
    ASSERT_EQ(Abreisen(*k, {leitung, zweites}, kUeberweisung), 2);
    const Dokument& rechnung = drucker.auftraege.at(0);
    EXPECT_EQ(rechnung.text(kKopf, "lblGast"), "Reisegruppe Sonne");
    EXPECT_EQ(rechnung.detailzeilen(), 5);  // nights and breakfast of two rooms, one dinner
    EXPECT_EQ(rechnung.text(kFuss, "lblSumme"), "334,00 €");
    EXPECT_EQ(rechnung.text(kFuss, "lblZahlungsart"), "Bezahlt: Überweisung");

    // The establishment's VAT ID where one is set, else its tax number.
    db->ausfuehren("UPDATE Betrieb SET Steuernummer = '12/345/67890'");
    EXPECT_EQ(rechnung.text(kKopf, "lblSteuer"), "");
    EinstellungSchreiben(*db, QStringLiteral("UStIdNr"), QStringLiteral("DE123456789"));
    drucker.auftraege.clear();
    ASSERT_TRUE(HotelrechnungNachdrucken(*k, 1));
    EXPECT_EQ(drucker.auftraege.at(0).text(kKopf, "lblTitel"), "Hotelrechnung Nr. 1");
    EXPECT_EQ(drucker.auftraege.at(0).text(kKopf, "lblKopie"), "Kopie");
    EXPECT_EQ(drucker.auftraege.at(0).text(kKopf, "lblSteuer"), "USt-IdNr. DE123456789");
    EinstellungSchreiben(*db, QStringLiteral("UStIdNr"), QString());
    ASSERT_TRUE(HotelrechnungNachdrucken(*k, 2));
    EXPECT_EQ(drucker.auftraege.at(1).text(kKopf, "lblSteuer"), "Steuernummer 12/345/67890");
    EXPECT_FALSE(HotelrechnungNachdrucken(*k, 3));
    EXPECT_EQ(dialoge.meldungen.last(), KeineHotelrechnung(3));
    EXPECT_EQ(zahl("SELECT Letzte FROM Hotelrechnungsnummer"), 2);
}

// The hotel bill is a receipt: signed as one, printed with the TSE block and
// its code, and a reprint signs nothing again.
TEST_F(Gaeste, TheHotelBillIsSignedAndPrintsItsTseData) {
    Tsesimulation geraet(*db);
    k->tse = &geraet;
    TseNachStart(*k);
    const struct {
        int zimmer;
        QString zahlungsart;
        QString daten;
    } faelle[] = {
        {101, kBar, "Beleg^24.00_140.00_0.00_0.00_0.00^164.00:Bar"},
        {102, kUeberweisung, "Beleg^24.00_140.00_0.00_0.00_0.00^164.00:Unbar"},
    };
    for (const auto& f : faelle) {
        drucker.auftraege.clear();
        const auto nr = Abreisen(*k, {einchecken(f.zimmer)}, f.zahlungsart);
        ASSERT_TRUE(nr);
        const QJsonObject tse = journal(kJournalHotelrechnung).value("TSE").toObject();
        EXPECT_EQ(tse.value("Prozesstyp").toString(), kKassenbelegV1);
        EXPECT_EQ(tse.value("Prozessdaten").toString(), f.daten);
        const Dokument rechnung = drucker.auftraege.at(0);  // the reprint adds to the list
        EXPECT_TRUE(
            rechnung.text(kFuss, "lblTse").contains(tse.value("Signatur").toString().left(20)));
        EXPECT_TRUE(rechnung.text(kFuss, "QrTse").contains(";" + f.daten + ";"));

        const auto transaktionen = geraet.transaktionen().size();
        ASSERT_TRUE(HotelrechnungNachdrucken(*k, *nr));
        EXPECT_EQ(drucker.auftraege.at(1).text(kFuss, "QrTse"), rechnung.text(kFuss, "QrTse"));
        EXPECT_EQ(geraet.transaktionen().size(), transaktionen);
    }
}
