#include "admin/Artikelverwaltung.h"
#include "admin/Kellnerkartei.h"
#include "admin/Kellnerliste.h"
#include "core/Datenbankdatei.h"
#include "core/Schema.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalpruefung.h"
#include "fiskal/Journalstand.h"
#include "reports/Kassenabschluss.h"
#include "reports/Rechnungsuebersicht.h"
#include "service/Abkassieren.h"
#include "service/AufHaus.h"
#include "service/Kundenbelege.h"
#include "service/Stornieren.h"
#include "support/DbTest.h"
#include "support/Posten.h"

namespace {

class Journal : public DbTest {
  protected:
    Journal() {
        kellner("Anna", "1111", "2222", {"Rechnungen", "Rabatte"});
        kellner("Ben", "3333", "4444");
        artikel("1", "Pils", 350);
        amTisch("Anna", "Gastraum", "5");
    }

    // A bill of two lines (2 Pils at 3,50, a soup at 4,90) settled as a receipt.
    void abkassieren(const QString& zahlungsart = kBar, Geld gutschein = Geld()) {
        Posten pils;
        pils.menge = 2;
        PostenAnlegen(*db, pils.aufZahlliste());
        Posten suppe;
        suppe.plu = QStringLiteral("20");
        suppe.gericht = QStringLiteral("Suppe");
        suppe.cent = 490;
        PostenAnlegen(*db, suppe.aufZahlliste());
        ASSERT_TRUE(::Abkassieren(*k, kKassenbon, zahlungsart, {QString(), gutschein}));
    }

    std::int64_t offen(int menge) {
        Posten p;
        p.menge = menge;
        return PostenAnlegen(*db, p);
    }
};

}  // namespace

TEST_F(Journal, EveryEventIsJournalledOnceWithWhatHappenedAndTheChainHolds) {
    const struct {
        const char* art;
        std::function<void()> ereignis;
        std::vector<std::pair<const char*, QJsonValue>> inhalt;
        std::optional<int> regNr;
    } faelle[] = {
        {"Rechnung",
         [&] { abkassieren(); },
         {{"Tisch", "5"},
          {"Mitarbeiter", "Anna"},
          {"Gesamt", 1190},
          {"BAR", 1190},
          {"Zeilen/0/Gericht", "Pils"},
          {"Zeilen/0/Menge", 2},
          {"Zeilen/0/EPREIS", 350},
          {"Zeilen/1/GPREIS", 490}},
         1},
        {"Storno",
         [&] {
             dialoge.zahlen = {QStringLiteral("2")};
             EXPECT_TRUE(GerichtStornieren(*k, offen(3), kAlt));
         },
         {{"Kellner", "Anna"}, {"Posten/Menge", 2}, {"Posten/GPREIS", 700}, {"Posten/Tisch", "5"}},
         {}},
        {"Auf Haus",
         [&] {
             EXPECT_TRUE(AufHaus(*k, {"Gastraum", "5"}, offen(1)));
         },
         {{"Kellner", "Anna"}, {"Posten/Gericht", "Pils"}, {"Posten/EPREIS", 350}},
         {}},
        {"Zahlart",
         [&] { ZahlungsartAendern(*k, QStringLiteral("1"), kKarte); },
         {{"Vorher/BAR", 1190}, {"Nachher/BAR", 0}, {"Nachher/KARTE", 1190}},
         1},
        {"Nachdruck",
         [&] { EXPECT_TRUE(DruckeKassenbonVonUebersichtsrechnung(*k, 1)); },
         {{"Beleg", "Abrechnung"}, {"Beleg-Nr", 1}},
         1},
        {"Kassenabschluss",
         [&] { UmsaetzeAbschliessen(*k); },
         {{"Rechnungen", 1}, {"Gesamt", 1190}, {"KARTE", 1190}, {"Steuersaetze/0/Brutto", 1190}},
         {}},
        {"Artikel",
         [&] {
             dialoge.jaNein = {true};
             EXPECT_TRUE(ArtikelBearbeitenSpeichern(*k, {"1", "Bier", "Pils", "3,80", "19"},
                                                    QStringLiteral("1")));
         },
         {{"Kellner", "Anna"}, {"Vorher/0/EPREIS", 350}, {"Nachher/0/EPREIS", 380}},
         {}},
        {"Mitarbeiter",
         [&] {
             Kartei ben = KarteiLaden(*db, 2);
             ben.vorname = QStringLiteral("Ben");
             ben.rechte << QStringLiteral("Stornieren");
             EXPECT_TRUE(
                 KarteiSpeichern(*k, Karteimodus::MitarbeiterBearbeitenUneingeschrenkt, 2, ben));
         },
         {{"Vorher/0/Stornieren", QJsonValue()},
          {"Nachher/0/Stornieren", 1},
          {"Nachher/0/Pin1", QJsonValue::Undefined}},
         {}},
    };
    std::map<QString, int> erwartet;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.art);
        f.ereignis();
        ++erwartet[QString::fromUtf8(f.art)];
        EXPECT_EQ(JournalArten(*db), erwartet);
        const Journalzeile letzte = JournalLesen(*db).back();
        EXPECT_EQ(letzte.art, QString::fromUtf8(f.art));
        EXPECT_EQ(letzte.regNr, f.regNr ? QString::number(*f.regNr) : QString());
        for (const auto& [pfad, wert] : f.inhalt)
            EXPECT_EQ(letzte.wert(QString::fromUtf8(pfad)), wert) << pfad;
    }
    EXPECT_TRUE(dialoge.unerwartet.isEmpty());
    EXPECT_EQ(Befundtext(*JournalPruefen(*db)), QStringLiteral("Journal in Ordnung: 8 Einträge"));

    // A save that changes nothing, and a member's PIN alone, leave no entry.
    Kartei ben = KarteiLaden(*db, 2);
    ben.pin1 = QStringLiteral("5555");
    EXPECT_TRUE(KarteiSpeichern(*k, Karteimodus::MitarbeiterBearbeitenUneingeschrenkt, 2, ben));
    EXPECT_EQ(JournalArten(*db), erwartet);
}

TEST_F(Journal, TwoClosingsInOneDayKeepEveryBillUnderItsZNumber) {
    abkassieren();
    UmsaetzeAbschliessen(*k);
    uhr.stellen(QDate(2026, 12, 6), QTime(18, 0));
    abkassieren(kKarte);
    abkassieren();
    UmsaetzeAbschliessen(*k);
    EXPECT_EQ(text("SELECT COUNT(*) FROM Rechnungsuebersicht"), QStringLiteral("0"));

    QStringList rechnungen, abschluesse;
    for (const Journalzeile& z : JournalLesen(*db, kJournalRechnung))
        rechnungen << QStringLiteral("%1:Z%2:R%3").arg(z.nr).arg(z.zNr).arg(z.regNr);
    for (const Journalzeile& z : JournalLesen(*db, kJournalKassenabschluss))
        abschluesse << QStringLiteral("%1:Z%2:%3")
                           .arg(z.nr)
                           .arg(z.zNr)
                           .arg(z.wert(QStringLiteral("Gesamt")).toInteger());
    // Bill numbers start again after the closing; journal numbers never do.
    EXPECT_EQ(rechnungen, QStringList({"1:Z1:R1", "3:Z2:R1", "4:Z2:R2"}));
    EXPECT_EQ(abschluesse, QStringList({"2:Z1:1190", "5:Z2:2380"}));
    EXPECT_EQ(JournalStand(*db).zNr, 3);
}

TEST_F(Journal, ReceiptsPrintTheBillAndJournalNumbersAlsoOnTheirCopies) {
    abkassieren();
    offen(1);
    UmsaetzeAbschliessen(*k);
    abkassieren();
    EXPECT_TRUE(DruckeRechnungVonUebersichtsrechnung(*k, 1));
    EXPECT_TRUE(Zwischensumme(*k));
    ASSERT_EQ(drucker.auftraege.size(), 4u);
    const struct {
        const char* rechnungNr;
        const char* belegNr;
    } erwartet[] = {
        {"Rechnung Nr. 1", "Beleg-Nr. 1"},
        {"Rechnung Nr. 1", "Beleg-Nr. 3"},
        {"Rechnung Nr. 1", "Beleg-Nr. 3"},  // the copy: the numbers of the original
        {"", ""},                           // an interim bill is no bill
    };
    for (std::size_t i = 0; i < std::size(erwartet); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(drucker.auftraege[i].text(kKopf, "lblRechnungNr"),
                  QString::fromUtf8(erwartet[i].rechnungNr));
        EXPECT_EQ(drucker.auftraege[i].text(kKopf, "lblBelegNr"),
                  QString::fromUtf8(erwartet[i].belegNr));
    }
}

TEST_F(Journal, AJournalThatCannotBeWrittenUndoesTheEvent) {
    abkassieren();
    const std::int64_t zeile = offen(3);
    fehlerEinbauen("INSERT", "Journal", "Journal voll");
    const auto stand = [this] {
        return text(
                   "SELECT RegNr || Zahlungsart || BAR || KARTE FROM Rechnungsuebersicht "
                   "ORDER BY RegNr") +
               '|' + text("SELECT Tisch || Menge || EPREIS FROM OffeneTische ORDER BY ID") + '|' +
               text("SELECT COUNT(*) FROM StornosTemporaer") + '|' +
               text("SELECT EPREIS FROM Artikelgruppe ORDER BY PLU");
    };
    const struct {
        const char* ereignis;
        std::function<void()> ausfuehren;
    } faelle[] = {
        {"Rechnung",
         [&] {
             PostenAnlegen(*db, Posten().aufZahlliste());
             ::Abkassieren(*k, kKassenbon, kBar, {});
         }},
        {"Storno",
         [&] {
             dialoge.zahlen = {QStringLiteral("1")};
             GerichtStornieren(*k, zeile, kAlt);
         }},
        {"Auf Haus",
         [&] {
             AufHaus(*k, {"Gastraum", "5"}, zeile);
         }},
        {"Zahlart", [&] { ZahlungsartAendern(*k, QStringLiteral("1"), kKarte); }},
        {"Kassenabschluss", [&] { UmsaetzeAbschliessen(*k); }},
        {"Artikel", [&] { ArtikelLoeschen(*k, QStringLiteral("1")); }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.ereignis);
        dialoge.jaNein = {true};
        const QString vorher = stand();
        EXPECT_THROW(f.ausfuehren(), DbFehler);
        if (QString::fromUtf8(f.ereignis) == "Rechnung")
            db->ausfuehren("DELETE FROM OffeneTische WHERE Tisch = 'Zahlen'");
        EXPECT_EQ(stand(), vorher);
    }
    EXPECT_EQ(JournalLesen(*db).size(), 1u);
}

TEST_F(Journal, EntriesCannotBeChangedAndAChangedOneIsFoundWhereItIs) {
    for (int i = 0; i < 3; ++i) abkassieren();
    for (const char* sql :
         {"UPDATE Journal SET Inhalt = '{}' WHERE Nr = 2", "DELETE FROM Journal WHERE Nr = 3"}) {
        SCOPED_TRACE(sql);
        try {
            db->ausfuehren(QString::fromUtf8(sql));
            ADD_FAILURE() << "not refused";
        } catch (const DbFehler& f) {
            EXPECT_TRUE(f.beschreibung().startsWith("Einträge des Journals dürfen nicht"))
                << f.what();
        }
    }
    EXPECT_EQ(Befundtext(*JournalPruefen(*db)), QStringLiteral("Journal in Ordnung: 3 Einträge"));

    // Whoever drops the triggers is still found out, at the first entry touched.
    const struct {
        const char* aenderung;
        const char* befund;
    } faelle[] = {
        {"UPDATE Journal SET Inhalt = replace(Inhalt, '1190', '119') WHERE Nr = 2",
         "Journal verändert ab Eintrag 2"},
        {"UPDATE Journal SET Zeit = '2026-12-05T12:00:00' WHERE Nr = 3",
         "Journal verändert ab Eintrag 3"},
        {"UPDATE Journal SET Kette = (SELECT Kette FROM Journal WHERE Nr = 1) WHERE Nr = 1",
         "Journal in Ordnung: 3 Einträge"},
        {"DELETE FROM Journal WHERE Nr = 2", "Journal verändert ab Eintrag 2"},
        {"DELETE FROM Journal WHERE Nr = 1", "Journal verändert ab Eintrag 1"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.aenderung);
        Transaktion t(*db);
        journalschutzAufheben();
        db->ausfuehren(QString::fromUtf8(f.aenderung));
        EXPECT_EQ(Befundtext(*JournalPruefen(*db)), QString::fromUtf8(f.befund));
    }  // rolled back: the triggers and the entries are as before
    EXPECT_THROW(db->ausfuehren("DELETE FROM Journal"), DbFehler);
}

TEST(JournalUmstellung, AFileWithDataRecordsItsUpgradeOnce) {
    for (const bool mitDaten : {true, false}) {
        SCOPED_TRACE(mitDaten);
        QTemporaryDir ordner;
        auto db = Datenbank::oeffnen(ordner.filePath("alt.db"), kDatenbankKennwort);
        SchemaBisVersion(*db, 4);
        if (mitDaten)
            db->skript(R"(
INSERT INTO Kellner (Mitarbeiter) VALUES ('Anna');
INSERT INTO Rechnungsuebersicht (RegNr, Datum, Gesamt) VALUES (1, '2026-12-06', 700), (2, '2026-12-06', 350);
)");
        SchemaAktualisieren(*db);
        SchemaAktualisieren(*db);
        const auto eintraege = JournalLesen(*db);
        ASSERT_EQ(eintraege.size(), mitDaten ? 1u : 0u);
        if (!mitDaten) continue;
        EXPECT_EQ(eintraege[0].art, kJournalUmstellung);
        EXPECT_EQ(eintraege[0].wert("Rechnungen"), 2);
        EXPECT_EQ(eintraege[0].wert("Rechnungssumme"), 1050);
        EXPECT_EQ(eintraege[0].wert("Kellner"), 1);
    }
}
