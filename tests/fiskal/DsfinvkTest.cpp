#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QSet>
#include <QTextStream>
#include <QXmlStreamReader>
#include <map>

#include "Journalstand.h"
#include "core/Einstellungen.h"
#include "core/Rechte.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalbefehle.h"
#include "fiskal/Kassenstammdaten.h"
#include "fiskal/dsfinvk/DsfinvkFragen.h"
#include "fiskal/dsfinvk/Dsfinvkexport.h"
#include "reports/Kassenabschluss.h"
#include "reports/Rechnungsuebersicht.h"
#include "service/Abkassieren.h"
#include "service/Stornieren.h"
#include "support/DbTest.h"
#include "support/Posten.h"
#include "support/VollerOrdner.h"

namespace {

// The header rows the standard prescribes, written down here apart from the code.
const std::map<QString, QString> kKoepfe = {
    {"lines.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;POS_ZEILE;GUTSCHEIN_NR;ARTIKELTEXT;POS_TERMINAL_ID;"
     "GV_TYP;GV_NAME;INHAUS;P_STORNO;AGENTUR_ID;ART_NR;GTIN;WARENGR_ID;WARENGR;MENGE;FAKTOR;"
     "EINHEIT;STK_BR"},
    {"lines_vat.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;POS_ZEILE;UST_SCHLUESSEL;POS_BRUTTO;POS_NETTO;POS_UST"},
    {"itemamounts.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;POS_ZEILE;TYP;UST_SCHLUESSEL;PF_BRUTTO;PF_NETTO;PF_UST"},
    {"subitems.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;POS_ZEILE;ZI_ART_NR;ZI_GTIN;ZI_NAME;ZI_WARENGR_ID;"
     "ZI_WARENGR;ZI_MENGE;ZI_FAKTOR;ZI_EINHEIT;ZI_UST_SCHLUESSEL;ZI_BASISPREIS_BRUTTO;"
     "ZI_BASISPREIS_NETTO;ZI_BASISPREIS_UST"},
    {"transactions.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;BON_NR;BON_TYP;BON_NAME;TERMINAL_ID;BON_STORNO;"
     "BON_START;BON_ENDE;BEDIENER_ID;BEDIENER_NAME;UMS_BRUTTO;KUNDE_NAME;KUNDE_ID;KUNDE_TYP;"
     "KUNDE_STRASSE;KUNDE_PLZ;KUNDE_ORT;KUNDE_LAND;KUNDE_USTID;BON_NOTIZ"},
    {"transactions_vat.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;UST_SCHLUESSEL;BON_BRUTTO;BON_NETTO;BON_UST"},
    {"allocation_groups.csv", "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;ABRECHNUNGSKREIS"},
    {"datapayment.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;ZAHLART_TYP;ZAHLART_NAME;ZAHLWAEH_CODE;"
     "ZAHLWAEH_BETRAG;BASISWAEH_BETRAG"},
    {"references.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;POS_ZEILE;REF_TYP;REF_NAME;REF_DATUM;REF_Z_KASSE_ID;"
     "REF_Z_NR;REF_BON_ID"},
    {"transactions_tse.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;BON_ID;TSE_ID;TSE_TANR;TSE_TA_START;TSE_TA_ENDE;"
     "TSE_TA_VORGANGSART;TSE_TA_SIGZ;TSE_TA_SIG;TSE_TA_FEHLER;TSE_VORGANGSDATEN"},
    {"cashpointclosing.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;Z_BUCHUNGSTAG;TAXONOMIE_VERSION;Z_START_ID;Z_ENDE_ID;NAME;"
     "STRASSE;PLZ;ORT;LAND;STNR;USTID;Z_SE_ZAHLUNGEN;Z_SE_BARZAHLUNGEN"},
    {"location.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;LOC_NAME;LOC_STRASSE;LOC_PLZ;LOC_ORT;LOC_LAND;LOC_USTID"},
    {"cashregister.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;KASSE_BRAND;KASSE_MODELL;KASSE_SERIENNR;KASSE_SW_BRAND;"
     "KASSE_SW_VERSION;KASSE_BASISWAEH_CODE;KEINE_UST_ZUORDNUNG"},
    {"slaves.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;TERMINAL_ID;TERMINAL_BRAND;TERMINAL_MODELL;TERMINAL_SERIENNR;"
     "TERMINAL_SW_BRAND;TERMINAL_SW_VERSION"},
    {"pa.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;AGENTUR_ID;AGENTUR_NAME;AGENTUR_STRASSE;AGENTUR_PLZ;"
     "AGENTUR_ORT;AGENTUR_LAND;AGENTUR_STNR;AGENTUR_USTID"},
    {"vat.csv", "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;UST_SCHLUESSEL;UST_SATZ;UST_BESCHR"},
    {"tse.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;TSE_ID;TSE_SERIAL;TSE_SIG_ALGO;TSE_ZEITFORMAT;"
     "TSE_PD_ENCODING;TSE_PUBLIC_KEY;TSE_ZERTIFIKAT_I;TSE_ZERTIFIKAT_II"},
    {"businesscases.csv",
     "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;GV_TYP;GV_NAME;AGENTUR_ID;UST_SCHLUESSEL;Z_UMS_BRUTTO;"
     "Z_UMS_NETTO;Z_UST"},
    {"payment.csv", "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;ZAHLART_TYP;ZAHLART_NAME;Z_ZAHLART_BETRAG"},
    {"cash_per_currency.csv", "Z_KASSE_ID;Z_ERSTELLUNG;Z_NR;ZAHLART_WAEH;ZAHLART_BETRAG_WAEH"},
};

const QStringList kStammdaten = {"cashpointclosing.csv",
                                 "location.csv",
                                 "cashregister.csv",
                                 "slaves.csv",
                                 "pa.csv",
                                 "vat.csv",
                                 "tse.csv"};

// A row of a written file by column name.
using Zeile = std::map<QString, QString>;

QStringList felder(const QString& zeile) {
    QStringList liste;
    QString feld;
    bool inText = false;
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        const QChar c = zeile[i];
        if (c == '"' && inText && i + 1 < zeile.size() && zeile[i + 1] == '"') {
            feld += c;
            ++i;
        } else if (c == '"') {
            inText = !inText;
        } else if (c == ';' && !inText) {
            liste << feld;
            feld.clear();
        } else {
            feld += c;
        }
    }
    return liste << feld;
}

std::int64_t cent(const QString& betrag) { return std::llround(betrag.toDouble() * 100); }

class Dsfinvk : public DbTest {
  protected:
    Dsfinvk() {
        kellner("Anna", "1111", "2222");
        amTisch("Anna", "Gastraum", "5");
        db->ausfuehren(
            "INSERT INTO Betrieb (Name, Adresszeile, Steuernummer) VALUES "
            "('Gasthof O''Brien', 'Am Lindenhof 3 · 12345 Musterstadt', '123/456')");
        EinstellungSchreiben(*db, kEinstellungUStIdNr, "DE123456789");
        EinstellungSchreiben(*db, kEinstellungKassenseriennummer, "K-1");
    }

    void abkassieren(const QString& gericht, int menge, std::int64_t preis, int mwst,
                     const QString& zahlungsart) {
        Posten p;
        p.gericht = gericht;
        p.menge = menge;
        p.cent = preis;
        p.mwst = mwst;
        PostenAnlegen(*db, p.aufZahlliste());
        ASSERT_TRUE(::Abkassieren(*k, kKeinBon, zahlungsart, {}));
    }

    QString pfad(const QString& datei = QString()) const {
        return ziel.filePath(datei.isEmpty() ? "export" : "export/" + datei);
    }

    QString lesenRoh(const QString& datei) const {
        QFile f(pfad(datei));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << datei.toStdString();
        return QString::fromUtf8(f.readAll());
    }

    std::vector<Zeile> lesen(const QString& datei) const {
        const QStringList zeilen = lesenRoh(datei).split("\r\n", Qt::SkipEmptyParts);
        const QStringList kopf = zeilen.value(0).split(';');
        std::vector<Zeile> ergebnis;
        for (qsizetype i = 1; i < zeilen.size(); ++i) {
            const QStringList werte = felder(zeilen[i]);
            EXPECT_EQ(werte.size(), kopf.size()) << datei.toStdString();
            Zeile z;
            for (qsizetype s = 0; s < kopf.size(); ++s) z[kopf[s]] = werte.value(s);
            ergebnis.push_back(z);
        }
        return ergebnis;
    }

    QTemporaryDir ziel;
};

}  // namespace

TEST_F(Dsfinvk, ADayIsExportedInTheStandardsFilesWithTheClosingsTotals) {
    abkassieren("Pils", 2, 350, 1900, kBar);
    abkassieren("Apfelschorle \"groß\"", 3, 320, 700, kKarte);
    const std::int64_t id = PostenAnlegen(*db, Posten());
    ASSERT_TRUE(GerichtStornieren(*k, id, "Alt"));  // cancelled at the table
    ZahlungsartAendern(*k, "2", kBar);
    JournalAnhaengen(*k, "TSE-Inbetriebnahme",
                     {{"Seriennummer", "ab12"},
                      {"Algorithmus", "ecdsa-plain-SHA256"},
                      {"Zeitformat", "utcTime"},
                      {"Kodierung", "UTF-8"},
                      {"OeffentlicherSchluessel", "BAs="},
                      {"Zertifikat", QString(1500, 'Z')}});
    JournalAnhaengen(*k, "Bestellung",
                     {{"Kellner", "Anna"},
                      {"Zeilen", QJsonArray{QJsonObject{{"PLU", "1"},
                                                        {"Gericht", "Pils"},
                                                        {"Menge", 1},
                                                        {"EPREIS", 350},
                                                        {"GPREIS", 350},
                                                        {"MwStSatz", 1900}}}},
                      {"TSE", QJsonObject{{"TransaktionNr", 7},
                                          {"Signaturzaehler", 15},
                                          {"Start", "2026-12-06T11:00:00.000Z"},
                                          {"Ende", "2026-12-06T11:00:01.000Z"},
                                          {"Seriennummer", "ab12"},
                                          {"Algorithmus", "ecdsa-plain-SHA256"},
                                          {"Zeitformat", "utcTime"},
                                          {"Prozesstyp", "Bestellung-V1"},
                                          {"Prozessdaten", "1;\"Pils\";3.50"},
                                          {"Signatur", "c2ln"}}}});
    JournalAnhaengen(*k, kJournalAufHaus,
                     {{"Kellner", "Anna"},
                      {"Posten", QJsonObject{{"Station", "Gastraum"},
                                             {"Tisch", "5"},
                                             {"Gericht", "Pils"},
                                             {"Menge", 1},
                                             {"EPREIS", 350},
                                             {"GPREIS", 350},
                                             {"MwStSatz", 1900}}},
                      {"TSE", QJsonObject{{"Ausfall", "TSE antwortet nicht"}}}});
    UmsaetzeAbschliessen(*k);
    const QJsonObject abschluss = JournalLesen(*db, kJournalKassenabschluss).back().inhalt;

    const Exportbericht bericht = DsfinvkExportieren(*db, pfad(), "2026-12-06", "2026-12-06");
    ASSERT_TRUE(bericht.geschrieben) << bericht.meldung.toStdString();
    EXPECT_EQ(bericht.meldung,
              "DSFinV-K exportiert: 1 Kassenabschluss mit 7 Vorgängen nach '" + pfad() + "'.");

    // Every file with the standard's header; index.xml describes exactly these.
    QSet<QString> csv;
    for (const QString& datei : QDir(pfad()).entryList({"*.csv"})) csv << datei;
    QSet<QString> erwartet;
    for (const auto& [datei, kopf] : kKoepfe) {
        SCOPED_TRACE(datei.toStdString());
        erwartet << datei;
        EXPECT_EQ(lesenRoh(datei).section("\r\n", 0, 0), kopf);
    }
    EXPECT_EQ(csv, erwartet);
    QXmlStreamReader xml(lesenRoh("index.xml"));
    QSet<QString> beschrieben;
    QString tabelle;
    std::map<QString, QStringList> spalten;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"URL") beschrieben << (tabelle = xml.readElementText());
        if (xml.name() == u"VariablePrimaryKey" || xml.name() == u"VariableColumn") {
            xml.readNextStartElement();
            spalten[tabelle] << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(beschrieben, erwartet);
    for (const auto& [datei, kopf] : kKoepfe) EXPECT_EQ(spalten[datei].join(';'), kopf);
    EXPECT_TRUE(QFile::exists(pfad("gdpdu-01-09-2004.dtd")));
    EXPECT_TRUE(lesenRoh("index.xml").contains("<RecordDelimiter>&#13;&#10;</RecordDelimiter>"));

    // Turnover per VAT rate and payments per type sum to what the closing holds.
    std::map<QString, std::int64_t> jeSchluessel, jeZahlart;
    for (const Zeile& z : lesen("businesscases.csv"))
        if (z.at("GV_TYP") == "Umsatz")
            jeSchluessel[z.at("UST_SCHLUESSEL")] += cent(z.at("Z_UMS_BRUTTO"));
    std::map<QString, std::int64_t> imAbschluss;
    for (const QJsonValue& s : abschluss.value("Steuersaetze").toArray())
        imAbschluss[s["MwStSatz"].toInt() == 1900 ? "1" : "2"] += s["Brutto"].toInteger();
    EXPECT_EQ(jeSchluessel, imAbschluss);
    for (const Zeile& z : lesen("payment.csv"))
        jeZahlart[z.at("ZAHLART_NAME")] += cent(z.at("Z_ZAHLART_BETRAG"));
    EXPECT_EQ(jeZahlart["Bar"], abschluss["BAR"].toInteger());
    EXPECT_EQ(jeZahlart["Karte"], abschluss["KARTE"].toInteger());
    const Zeile stamm = lesen("cashpointclosing.csv").at(0);
    EXPECT_EQ(cent(stamm.at("Z_SE_BARZAHLUNGEN")), abschluss["BAR"].toInteger());
    EXPECT_EQ(stamm.at("NAME"), "Gasthof O'Brien");
    EXPECT_EQ(stamm.at("PLZ") + "|" + stamm.at("ORT") + "|" + stamm.at("USTID"),
              "12345|Musterstadt|DE123456789");
    EXPECT_EQ(lesen("cash_per_currency.csv").at(0).at("ZAHLART_BETRAG_WAEH"), "16.60");

    // Each transaction: its kind, amount and what the TSE said.
    const auto bons = lesen("transactions.csv");
    const auto tse = lesen("transactions_tse.csv");
    ASSERT_EQ(bons.size(), 7u);
    ASSERT_EQ(tse.size(), 7u);
    const struct {
        QString typ, name, storno, brutto, tseFehler;
    } faelle[] = {
        {"Beleg", "", "0", "7.00", "Ohne TSE aufgezeichnet"},
        {"Beleg", "", "0", "9.60", "Ohne TSE aufgezeichnet"},
        {"AVBestellung", "Storno", "0", "-3.50", "Ohne TSE aufgezeichnet"},
        {"Beleg", "Zahlartänderung", "1", "-9.60", "Ohne TSE aufgezeichnet"},
        {"Beleg", "Zahlartänderung", "0", "9.60", "Ohne TSE aufgezeichnet"},
        {"AVBestellung", "", "0", "3.50", ""},
        {"AVSonstige", "Auf Haus", "0", "3.50", "TSE antwortet nicht"},
    };
    for (std::size_t i = 0; i < bons.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bons[i].at("Z_KASSE_ID"), "K-1");
        EXPECT_EQ(bons[i].at("BON_TYP"), faelle[i].typ);
        EXPECT_EQ(bons[i].at("BON_NAME"), faelle[i].name);
        EXPECT_EQ(bons[i].at("BON_STORNO"), faelle[i].storno);
        EXPECT_EQ(bons[i].at("UMS_BRUTTO"), faelle[i].brutto);
        EXPECT_EQ(tse[i].at("TSE_TA_FEHLER"), faelle[i].tseFehler);
    }
    EXPECT_EQ(tse[5].at("TSE_ID") + "|" + tse[5].at("TSE_TANR") + "|" + tse[5].at("TSE_TA_SIGZ") +
                  "|" + tse[5].at("TSE_TA_VORGANGSART") + "|" + tse[5].at("TSE_VORGANGSDATEN"),
              "1|7|15|Bestellung-V1|1;\"Pils\";3.50");
    const auto referenzen = lesen("references.csv");
    ASSERT_EQ(referenzen.size(), 2u);
    EXPECT_EQ(referenzen[0].at("REF_BON_ID"), bons[1].at("BON_ID"));
    const auto tseStamm = lesen("tse.csv").at(0);
    EXPECT_EQ(tseStamm.at("TSE_ZERTIFIKAT_I").size() + tseStamm.at("TSE_ZERTIFIKAT_II").size(),
              1500);
    // Text quoted, its quotes doubled; numbers with their fixed decimals.
    EXPECT_TRUE(lesenRoh("lines.csv").contains(";\"Apfelschorle \"\"groß\"\"\";"));
    EXPECT_TRUE(lesenRoh("lines.csv").contains(";3.000;1.000;\"Stück\";3.20000\r\n"));
    EXPECT_TRUE(lesenRoh("lines_vat.csv").contains(";2;9.60000;8.97196;0.62804\r\n"));
}

TEST_F(Dsfinvk, RefusalsAndARangeWithoutClosingWriteNothingHalf) {
    abkassieren("Pils", 1, 350, 1900, kBar);
    UmsaetzeAbschliessen(*k);
    ASSERT_TRUE(QFile(ziel.filePath("datei")).open(QIODevice::WriteOnly));
    QDir().mkpath(ziel.filePath("voll"));
    ASSERT_TRUE(QFile(ziel.filePath("voll/alt.csv")).open(QIODevice::WriteOnly));
    VollerOrdner voll;
    const QString neu = pfad();
    const struct {
        QString ordner, von, bis, meldung;
    } faelle[] = {
        {neu, "2026-13-01", "2026-12-06",
         "Das Datum '2026-13-01' ist ungültig. Bitte geben Sie es als JJJJ-MM-TT ein, z. B. "
         "2026-12-06."},
        {neu, "2026-12-07", "2026-12-06", "Das Von-Datum liegt nach dem Bis-Datum."},
        {ziel.filePath("voll"), "2026-12-06", "2026-12-06",
         "Der Ordner '" + ziel.filePath("voll") +
             "' ist nicht leer. Bitte wählen Sie einen neuen oder leeren Ordner."},
        {ziel.filePath("datei/export"), "2026-12-06", "2026-12-06",
         "Der Ordner '" + ziel.filePath("datei/export") + "' kann nicht angelegt werden: '" +
             ziel.filePath("datei") + "' existiert nicht oder ist schreibgeschützt."},
        {voll.bereit() ? voll.belege() + "/export" : QString(), "2026-12-06", "2026-12-06",
         "Der Export kann nicht nach '" + voll.belege() +
             "/export' geschrieben werden; es wurde nichts gespeichert."},
    };
    for (const auto& f : faelle) {
        if (f.ordner.isEmpty()) continue;  // no full disk without root
        SCOPED_TRACE(f.meldung.toStdString());
        const Exportbericht bericht = DsfinvkExportieren(*db, f.ordner, f.von, f.bis);
        EXPECT_FALSE(bericht.geschrieben);
        EXPECT_EQ(bericht.meldung, f.meldung);
        EXPECT_FALSE(QFile::exists(neu));
        EXPECT_EQ(
            QDir(ziel.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList({"datei", "voll"}));
        if (voll.bereit()) {
            EXPECT_EQ(QDir(voll.belege())
                          .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                      QStringList());
        }
    }

    // A day without closing: the master data alone, and it says so; from the command line too.
    QString aus, fehler;
    QTextStream ausStrom(&aus), fehlerStrom(&fehler);
    const QStringList argumente = {"tavro",      "--dsfinvk-export", neu,
                                   "--von",      "2026-12-07",       "--bis",
                                   "2026-12-08", "--datenbank",      dateipfad()};
    ASSERT_TRUE(IstJournalbefehl(argumente));
    EXPECT_EQ(JournalbefehlAusfuehren(argumente, dateipfad(), ausStrom, fehlerStrom), 0);
    EXPECT_EQ(aus, kKeinKassenabschluss + "\n");
    QStringList erwartet = kStammdaten;
    erwartet << "gdpdu-01-09-2004.dtd"
             << "index.xml";
    erwartet.sort();
    EXPECT_EQ(QDir(neu).entryList(QDir::Files, QDir::Name), erwartet);
    EXPECT_EQ(lesen("cashregister.csv").at(0).at("KASSE_SERIENNR"), "K-1");
    EXPECT_TRUE(lesen("cashpointclosing.csv").empty());
}

TEST_F(Dsfinvk, TheMenuEntryAsksTheRightTheDaysAndTheFolder) {
    kellner("Chef", "9999", "8888", {"Kassenabschluss"});
    abkassieren("Pils", 1, 350, 1900, kBar);
    UmsaetzeAbschliessen(*k);
    const struct {
        QString kellner;
        std::vector<std::optional<QString>> eingaben;
        QStringList meldungen;
        bool geschrieben;
    } faelle[] = {
        {"Anna", {}, {kKeineRechte}, false},
        {"Chef", {"2026-12-06", std::nullopt}, {}, false},
        {"Chef",
         {"2026-12-06", "2026-12-06", pfad()},
         {"DSFinV-K exportiert: 1 Kassenabschluss mit 1 Vorgang nach '" + pfad() + "'."},
         true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.kellner.toStdString());
        k->werte.kellner = f.kellner;
        dialoge.meldungen.clear();
        dialoge.eingaben.assign(f.eingaben.begin(), f.eingaben.end());
        DsfinvkExportFragen(*k);
        EXPECT_EQ(dialoge.meldungen, f.meldungen);
        EXPECT_TRUE(dialoge.eingaben.empty());
        EXPECT_EQ(QFile::exists(pfad("index.xml")), f.geschrieben);
    }
}

TEST_F(Dsfinvk, AHotelBillIsABillOfItsGuestAndSettlesTheRoomCharges) {
    JournalAnhaengen(
        *k, "Hotelrechnung",
        {{"Rechnungsnr", 17},
         {"Gast", "Erika Mustermann"},
         {"Anreise", "2026-12-04"},
         {"Abreise", "2026-12-06"},
         {"Gesamt", 19500},
         {"Zahlungsart", "Überweisung"},
         {"Steuersaetze", QJsonArray{QJsonObject{{"MwStSatz", 700}, {"Brutto", 18000}}}},
         {"Zeilen", QJsonArray{QJsonObject{{"Text", "Übernachtung"},
                                           {"Menge", 2},
                                           {"EPREIS", 9000},
                                           {"GPREIS", 18000},
                                           {"MwStSatz", 700}}}},
         {"Zimmerbelastungen", QJsonArray{QJsonObject{{"RegNr", 3}, {"Betrag", 1500}}}}});
    UmsaetzeAbschliessen(*k);
    ASSERT_TRUE(DsfinvkExportieren(*db, pfad(), "2026-12-06", "2026-12-06").geschrieben);
    const Zeile bon = lesen("transactions.csv").at(0);
    EXPECT_EQ(bon.at("BON_TYP") + "|" + bon.at("BON_NAME") + "|" + bon.at("KUNDE_NAME") + "|" +
                  bon.at("UMS_BRUTTO"),
              "Beleg|Hotelrechnung|Erika Mustermann|195.00");
    const auto posten = lesen("lines.csv");
    ASSERT_EQ(posten.size(), 2u);
    EXPECT_EQ(posten[1].at("GV_TYP"), "Forderungsaufloesung");
    const Zeile zahlung = lesen("datapayment.csv").at(0);
    EXPECT_EQ(zahlung.at("ZAHLART_TYP") + "|" + zahlung.at("ZAHLART_NAME") + "|" +
                  zahlung.at("BASISWAEH_BETRAG"),
              "Unbar|Überweisung|195.00");
    std::map<QString, QString> vorfaelle;
    for (const Zeile& z : lesen("businesscases.csv"))
        vorfaelle[z.at("GV_TYP") + " " + z.at("UST_SCHLUESSEL")] = z.at("Z_UMS_BRUTTO");
    EXPECT_EQ(vorfaelle, (std::map<QString, QString>{{"Umsatz 2", "180.00000"},
                                                     {"Forderungsaufloesung 5", "15.00000"}}));
}
