#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

#include "core/Einstellungen.h"
#include "core/Zaehler.h"
#include "fiskal/Journal.h"
#include "fiskal/Kassenstammdaten.h"
#include "fiskal/tse/Tsebeleg.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tsesimulation.h"
#include "service/Abkassieren.h"
#include "service/AufHaus.h"
#include "service/Kundenbelege.h"
#include "service/Stornieren.h"
#include "service/Tischverlassen.h"
#include "support/DbTest.h"
#include "support/Posten.h"
#include "support/Testtse.h"
#include "ui/bericht/PdfDrucker.h"

namespace {

// Tom at table 5 of the dining room, with the simulated device put in service.
class Tsebelege : public DbTest {
  protected:
    Tsebelege() : geraet(*db) {
        kellner("Tom", "1", "", {"Rabatte", "Rechnungen"});
        amTisch("Tom", "Gastraum", "5");
        EinstellungSchreiben(*db, kEinstellungKassenseriennummer, "KASSE-1");
        k->tse = &geraet;
        TseNachStart(*k);
    }

    std::int64_t posten(const QString& gericht, int menge, std::int64_t cent, int mwst,
                        const QString& details = "Alt", bool zahlliste = true) {
        Posten p;
        p.gericht = gericht;
        p.menge = menge;
        p.cent = cent;
        p.mwst = mwst;
        p.details = details;
        return PostenAnlegen(*db, zahlliste ? p.aufZahlliste() : p);
    }

    struct Eintrag {
        std::int64_t nr = 0;
        QString art;
        QJsonObject inhalt;
    };
    std::vector<Eintrag> journal() {
        std::vector<Eintrag> liste;
        for (Abfrage a = db->abfrage("SELECT Nr, Art, Inhalt FROM Journal ORDER BY Nr");
             a.naechste();)
            liste.push_back(
                {a.zahl(0), a.text(1), QJsonDocument::fromJson(a.text(2).toUtf8()).object()});
        return liste;
    }
    QJsonObject letzteTse(const QString& art) {
        QJsonObject tse;
        for (const Eintrag& e : journal())
            if (e.art == art) tse = e.inhalt.value("TSE").toObject();
        return tse;
    }
    QString oeffentlicherSchluessel() {
        return QString::fromLatin1(geraet.zertifikat().oeffentlicherSchluessel.toBase64());
    }

    Tsesimulation geraet;
};

}  // namespace

TEST_F(Tsebelege, SettlementSignsTheBillAndItsReceiptCodeMatchesTheJournal) {
    const struct {
        QString zahlungsart;
        Geld gutschein;
        QString daten;
    } faelle[] = {
        {kBar, Geld(), "Beleg^7.00_8.00_0.00_0.00_0.00^15.00:Bar"},
        {kKarte, Geld(), "Beleg^7.00_8.00_0.00_0.00_0.00^15.00:Unbar"},
        {"GUTSCHEIN  Nr 4", Geld(1000), "Beleg^7.00_8.00_0.00_0.00_0.00^5.00:Bar_10.00:Unbar"},
    };
    const QStringList schluessel{"Algorithmus",   "Ende",      "Prozessdaten",    "Prozesstyp",
                                 "Seriennummer",  "Signatur",  "Signaturzaehler", "Start",
                                 "TransaktionNr", "Zeitformat"};
    for (const auto& f : faelle) {
        posten("Pils", 2, 350, 1900);
        posten("Brot", 1, 800, 700);
        drucker.auftraege.clear();
        ASSERT_TRUE(::Abkassieren(*k, kKassenbon, f.zahlungsart, {"4", f.gutschein}));
        const QJsonObject tse = letzteTse(kJournalRechnung);
        EXPECT_EQ(tse.keys(), schluessel);
        EXPECT_EQ(tse.value("Prozesstyp").toString(), kKassenbelegV1);
        EXPECT_EQ(tse.value("Prozessdaten").toString(), f.daten);
        EXPECT_EQ(tse.value("Seriennummer").toString(), geraet.zertifikat().seriennummer);

        ASSERT_EQ(drucker.auftraege.size(), 1u);
        const Dokument& beleg = drucker.auftraege[0];
        const QStringList felder = beleg.text(kFuss, "QrTse").split(';');
        const auto zahl = [&](const char* n) { return QString::number(tse.value(n).toInteger()); };
        EXPECT_EQ(felder,
                  QStringList({"V0", "KASSE-1", kKassenbelegV1, f.daten, zahl("TransaktionNr"),
                               zahl("Signaturzaehler"), tse.value("Start").toString(),
                               tse.value("Ende").toString(), "ecdsa-plain-SHA256", "utcTime",
                               tse.value("Signatur").toString(), oeffentlicherSchluessel()}));
        const QString text = beleg.text(kFuss, "lblTse");
        EXPECT_TRUE(text.startsWith(
            "TSE: Simulation – nicht zertifiziert\n"
            "Kassen-Seriennummer: KASSE-1\nTSE-Transaktion: " +
            zahl("TransaktionNr") + "\nTSE-Signaturzähler: " + zahl("Signaturzaehler")))
            << text.toStdString();
        EXPECT_TRUE(QString(text).remove('\n').contains(tse.value("Signatur").toString()));

        // A reprint prints the stored data and signs nothing.
        const auto transaktionen = geraet.transaktionen().size();
        drucker.auftraege.clear();
        ASSERT_TRUE(DruckeKassenbonVonUebersichtsrechnung(
            *k, static_cast<int>(ZaehlerStand(*db, kZaehlerRechnung))));
        EXPECT_EQ(drucker.auftraege[0].text(kFuss, "QrTse"), beleg.text(kFuss, "QrTse"));
        EXPECT_EQ(geraet.transaktionen().size(), transaktionen);
    }
}

TEST_F(Tsebelege, OrdersCancellationsAndGiftsAreEachSignedAsAnOrder) {
    const std::int64_t pils = posten("Pils", 3, 350, 1900, "Neu", false);
    posten("Schnitzel \"Wiener Art\"", 1, 1290, 700, "Neu", false);
    ASSERT_TRUE(TischVerlassen(*k));
    EXPECT_EQ(letzteTse(kJournalBestellung).value("Prozessdaten").toString(),
              "3;\"Pils\";3.50\r1;\"Schnitzel \"\"Wiener Art\"\"\";12.90");

    dialoge.zahlen = {"2"};
    ASSERT_TRUE(GerichtStornieren(*k, pils, kAlt));
    EXPECT_EQ(letzteTse(kJournalStorno).value("Prozessdaten").toString(), "-2;\"Pils\";3.50");

    ASSERT_TRUE(AufHaus(*k, {"Gastraum", "5", QString()}, pils));
    EXPECT_EQ(letzteTse(kJournalAufHaus).value("Prozessdaten").toString(),
              "-1;\"Pils\";3.50\r1;\"Pils\";0.00");
    for (const QString& art : {kJournalBestellung, kJournalStorno, kJournalAufHaus})
        EXPECT_EQ(letzteTse(art).value("Prozesstyp").toString(), kBestellungV1);

    // A new line was never sent: its cancellation signs nothing.
    const std::int64_t neu = posten("Cola", 1, 300, 1900, "Neu", false);
    const auto transaktionen = geraet.transaktionen().size();
    ASSERT_TRUE(GerichtStornieren(*k, neu, "Neu"));
    EXPECT_EQ(geraet.transaktionen().size(), transaktionen);
    EXPECT_FALSE(journal().back().inhalt.contains("TSE"));
}

TEST_F(Tsebelege, FailedDeviceStoresTheBillPrintsTheFailureAndJournalsOutageOnce) {
    Testtse test;
    k->tse = &test;
    const struct {
        bool ausgefallen;
        QStringList neueArten;
        QString zeile;  // the TSE line that the receipt prints last
    } faelle[] = {
        {true, {kJournalTseAusfall, kJournalRechnung}, kTseAusgefallen},
        {true, {kJournalRechnung}, kTseAusgefallen},
        {false, {kJournalTseWiederaufnahme, kJournalRechnung}, "TSE-Signatur:"},
    };
    for (const auto& f : faelle) {
        test.ausgefallen = f.ausgefallen;
        posten("Pils", 1, 350, 1900);
        drucker.auftraege.clear();
        const std::size_t vorher = journal().size();
        ASSERT_TRUE(::Abkassieren(*k, kKassenbon, kBar, {}));
        const std::vector<Eintrag> danach = journal();
        QStringList neu;
        for (std::size_t i = vorher; i < danach.size(); ++i) neu << danach[i].art;
        EXPECT_EQ(neu, f.neueArten);
        const Eintrag& rechnung = danach.back();
        if (f.ausgefallen) {
            EXPECT_EQ(rechnung.inhalt.value("TSE").toObject(),
                      QJsonObject({{"Ausfall", "Die Test-TSE ist ausgefallen."}}));
        }
        if (neu.front() == kJournalTseAusfall) {
            EXPECT_EQ(danach[vorher].inhalt,
                      QJsonObject({{"Grund", "Die Test-TSE ist ausgefallen."}}));
        }
        ASSERT_EQ(drucker.auftraege.size(), 1u);
        const Dokument& beleg = drucker.auftraege[0];
        EXPECT_TRUE(beleg.text(kFuss, "lblTse").contains(f.zeile));
        EXPECT_EQ(beleg.text(kFuss, "QrTse").isEmpty(), f.ausgefallen);
        // The receipt's Beleg-Nr. is the bill's entry, after any outage entry.
        EXPECT_EQ(beleg.text(kKopf, "lblBelegNr"), QString("Beleg-Nr. %1").arg(rechnung.nr));
    }
}

TEST_F(Tsebelege, PrintedCodeScansToTheJournalsData) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    const QString zbarimg = QStandardPaths::findExecutable("zbarimg");
    if (pdftoppm.isEmpty() || zbarimg.isEmpty()) GTEST_SKIP() << "pdftoppm or zbarimg missing";
    posten("Pils", 2, 350, 1900);
    posten("Käsespätzle", 1, 990, 700);
    ASSERT_TRUE(::Abkassieren(*k, kKassenbon, kBar, {}));
    const QString erwartet = drucker.auftraege.at(0).text(kFuss, "QrTse");
    EXPECT_TRUE(erwartet.contains(letzteTse(kJournalRechnung).value("Signatur").toString()));

    PdfDrucker pdf(ordner.filePath("Belege"));
    pdf.drucken(drucker.auftraege.at(0));
    const QString bild = ordner.filePath("beleg");
    ASSERT_EQ(
        QProcess::execute(pdftoppm, {"-r", "300", "-png", "-singlefile", pdf.letzteDatei(), bild}),
        0);
    QProcess leser;
    leser.start(zbarimg, {"--raw", "-q", bild + ".png"});
    ASSERT_TRUE(leser.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(leser.readAllStandardOutput()).trimmed(), erwartet);
}
