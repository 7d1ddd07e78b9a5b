#include <QDir>
#include <QJsonObject>
#include <QTextStream>
#include <QUrl>

#include "core/Datenbankdatei.h"
#include "core/Einstellungen.h"
#include "core/Schema.h"
#include "core/Uebertragung.h"
#include "core/Zaehler.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalpruefung.h"
#include "fiskal/Kassenstammdaten.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tsesimulation.h"
#include "hotel/Aufenthalte.h"
#include "hotel/Gaeste.h"
#include "hotel/Zimmerbelastung.h"
#include "reports/Kassenabschluss.h"
#include "service/Abkassieren.h"
#include "service/Rechnungsspeicher.h"
#include "support/Abendessen.h"
#include "support/DbTest.h"

namespace {

// A till's file with the fixture's own server schema, emptied, as the target.
class Uebertragung : public DbTest {
  protected:
    void SetUp() override {
        if (!aufServer()) GTEST_SKIP() << "Braucht einen PostgreSQL-Server in TAVRO_TEST_POSTGRES.";
        ziel = dateipfad();
        k.reset();
        db.reset();
        Datenbank::verbinden(qEnvironmentVariable("TAVRO_TEST_POSTGRES"))
            ->skript(QStringLiteral("DROP SCHEMA %1 CASCADE; CREATE SCHEMA %1").arg(m_schema));
        quelle = ordner.filePath(QStringLiteral("tavro.db"));
        db = Datenbank::oeffnen(quelle, kDatenbankKennwort);
        SchemaAktualisieren(*db);
        k = std::make_unique<Kontext>(*db, uhr, dialoge, drucker);
    }

    // Exit code, output and refusal of the command.
    struct Lauf {
        int code = -1;
        QString aus, fehler;
    };
    // No key file: the file opens with the program's password, as the fixture's does.
    Lauf uebertragen(const QString& von, const QString& nach) {
        QStringList argumente{"tavro", "--uebertragen", von};
        if (!nach.isEmpty()) argumente << nach;
        Lauf lauf;
        QTextStream aus(&lauf.aus), fehler(&lauf.fehler);
        lauf.code = UebertragungAusfuehren(argumente << "--schluessel" << ordner.filePath("ohne"),
                                           aus, fehler);
        return lauf;
    }

    static QStringList zeilen(Datenbank& d, const QString& sql) {
        QStringList liste;
        for (Abfrage a = d.abfrage(sql); a.naechste();) {
            QStringList werte;
            for (int i = 0; i < a.spaltenzahl(); ++i) werte << a.text(i);
            liste << werte.join('|');
        }
        return liste;
    }
    // The target's schema version and its number of tables.
    QString stand() {
        auto d = Datenbank::verbinden(ziel);
        return QString::number(d->schemaversion()) + '/' +
               zeilen(*d,
                      "SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = "
                      "current_schema()")
                   .join(',');
    }

    QString quelle, ziel;
};

}  // namespace

TEST_F(Uebertragung, CopiesAWorkingTillWholeAndTheServerGoesOnNumbering) {
    station("Gastraum", {"5"});
    kellner("Tom", "1", "", {"Rechnungen", "Gastraum"});
    amTisch("Tom", "Gastraum", "5");
    EinstellungSchreiben(*db, kEinstellungKassenseriennummer, "KASSE-1");
    Tsesimulation geraet(*db);
    k->tse = &geraet;
    TseNachStart(*k);
    Hotelsteuersaetze(*db, 700, 1900);
    zimmerpreis(101, "EZ", 7000, 8200);
    ASSERT_TRUE(Anreise(*k, {101,
                             "EZ",
                             "ÜF",
                             "Erika O'Neil",
                             "Hauptstraße 1",
                             QDate(2026, 12, 4),
                             QDate(2026, 12, 6),
                             {Geld(8200), Geld(1200)}})
                    .has_value());
    ASSERT_TRUE(Abendessen(*k, kBar, {Gericht("Pils", 2, 350, 1900)}));
    UmsaetzeAbschliessen(*k);
    ASSERT_TRUE(Abendessen(*k, ZimmerZahlungsart(101),
                           {Gericht("Schnitzel", 1, 1450, 700), Gericht("Wein", 2, 600, 1900)}));
    const int naechste = static_cast<int>(ZaehlerStand(*db, kZaehlerRechnung)) + 1;

    const Lauf lauf = uebertragen(quelle, ziel);
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    const QStringList journal =
        zeilen(*db, "SELECT Nr, Art, Inhalt, Kette FROM Journal ORDER BY Nr");
    EXPECT_TRUE(lauf.aus.startsWith("Übertragen: "));
    EXPECT_TRUE(lauf.aus.endsWith(
        QStringLiteral("Zeilen, Journal mit %1 Einträgen geprüft.\n").arg(journal.size())));

    auto server = Datenbank::verbinden(ziel);
    for (const QString& tabelle :
         zeilen(*db,
                "SELECT name FROM sqlite_master WHERE type = 'table' AND name <> "
                "'sqlite_sequence'")) {
        const QString anzahl = "SELECT COUNT(*) FROM " + Datenbank::bezeichner(tabelle);
        EXPECT_EQ(zeilen(*server, anzahl), zeilen(*db, anzahl)) << tabelle.toStdString();
    }
    // Values as written, down to the journal's every byte and the columns
    // of a station the file had added.
    for (const QString sql :
         {"SELECT Nr, Art, Inhalt, Kette FROM Journal ORDER BY Nr",
          "SELECT ID, RegNr, Gericht, Menge, EPREIS, GPREIS, MwStSatz FROM RechnungDetails "
          "ORDER BY ID",
          "SELECT RegNr, BAR, ZIMMER, Zahlungsart FROM Rechnungsuebersicht ORDER BY ID",
          "SELECT Mitarbeiter, [Gastraum], Rechnungen FROM Kellner ORDER BY ID",
          "SELECT a.Gast, z.RegNr, z.Betrag FROM Zimmerbelastungen z JOIN Aufenthalte a ON "
          "a.ID = z.Aufenthalt ORDER BY z.ID",
          "SELECT Name, Wert FROM TseZaehler ORDER BY Name"})
        EXPECT_EQ(zeilen(*server, sql), zeilen(*db, sql)) << sql.toStdString();
    EXPECT_EQ(zeilen(*server, "SELECT Inhalt FROM Journal WHERE Art = 'Rechnung'").size(), 2);

    // A till on the server settles the next bill under the next number, its
    // rows under new keys, its journal entry on the same chain.
    Kontext theke(*server, uhr, dialoge, drucker);
    Tsesimulation serverTse(*server);
    theke.tse = &serverTse;
    theke.werte = k->werte;
    PostenAnlegen(*server, Gericht("Pils", 1, 350, 1900).aufZahlliste());
    ASSERT_TRUE(::Abkassieren(theke, kKassenbon, kBar, {}));
    EXPECT_EQ(ZaehlerStand(*server, kZaehlerRechnung), naechste);
    const QString schluessel = "SELECT MAX(ID) FROM %1";
    for (const QString tabelle : {"Rechnungsuebersicht", "RechnungDetails"})
        EXPECT_EQ(zeilen(*server, schluessel.arg(tabelle)),
                  zeilen(*db, "SELECT seq + 1 FROM sqlite_sequence WHERE name = '" + tabelle + "'"))
            << tabelle.toStdString();
    const Journalbefund befund = *JournalPruefen(*server);
    EXPECT_EQ(befund.eintraege, journal.size() + 1);
    EXPECT_EQ(befund.veraendertAb, std::nullopt);
}

TEST_F(Uebertragung, RefusesAndLeavesTheTargetAsItWas) {
    const QString voll = ordner.filePath("voll");
    const auto altesSchema = [&] {
        const QString pfad = ordner.filePath("alt.db");
        SchemaBisVersion(*Datenbank::oeffnen(pfad, kDatenbankKennwort), SchemaVersion() - 1);
        return pfad;
    };
    const auto andererSchluessel = [&] {
        const QString pfad = ordner.filePath("fremd.db");
        SchemaAktualisieren(*Datenbank::oeffnen(pfad, "anderer Schlüssel"));
        return pfad;
    };
    const auto kaputtesJournal = [&] {
        JournalAnhaengen(*db, uhr.zeit, kJournalMitarbeiter, QJsonObject{{"Name", "Tom"}});
        db->skript("DROP TRIGGER Journal_unveraenderlich");
        db->ausfuehren("UPDATE Journal SET Inhalt = '{}'");
        return quelle;
    };
    const auto vollesZiel = [&] {
        DatenbankOeffnen(ziel, QString());
        return quelle;
    };
    QUrl mitKennwort(ziel), maskiert(ziel);
    mitKennwort.setPassword("geheim");
    maskiert.setPassword("***");
    struct Fall {
        std::function<QString()> quelle;
        QString ziel;
        int code;
        QString meldung;
    };
    const Fall faelle[] = {
        {[&] { return quelle; }, "", 2, "Aufruf: tavro --uebertragen QUELLE ZIEL"},
        {[&] { return ordner.filePath("fehlt.db"); }, ziel, 2,
         "Die Datenbank '" + QDir::toNativeSeparators(ordner.filePath("fehlt.db")) +
             "' gibt es nicht."},
        {[&] { return ordner.path(); }, ziel, 2,
         "'" + QDir::toNativeSeparators(ordner.path()) + "' ist keine Datenbankdatei."},
        {andererSchluessel, ziel, 2,
         "Die Datenbank '" + ordner.filePath("fremd.db") +
             "' ist beschädigt, oder ihr fehlt die Schlüsseldatei"},
        {altesSchema, ziel, 2,
         QStringLiteral("Die Datenbank '%1' hat den Stand %2, dieses Programm den Stand %3. "
                        "Öffnen Sie die Datei einmal mit der Kasse")
             .arg(ordner.filePath("alt.db"))
             .arg(SchemaVersion() - 1)
             .arg(SchemaVersion())},
        {[&] { return quelle; }, voll, 2, "Das Ziel '" + voll + "' ist kein PostgreSQL-Server"},
        {[&] { return quelle; }, mitKennwort.toString(), 2,
         "Die Adresse '" + maskiert.toString() + "' enthält ein Kennwort."},
        {[&] { return quelle; }, "postgresql://tavro@127.0.0.1:1/tavro", 2,
         "Die Datenbank 'postgresql://tavro@127.0.0.1:1/tavro' ist nicht erreichbar ("},
        {kaputtesJournal, ziel, 1,
         "Übertragung abgebrochen, die Zieldatenbank bleibt leer: Das Journal im Ziel ist ab "
         "Eintrag 1 nicht in Ordnung."},
        {vollesZiel, ziel, 2, "Die Zieldatenbank ist nicht leer: '" + ziel + "'"},
    };
    for (const Fall& f : faelle) {
        const QString von = f.quelle();
        const QString vorher = stand();
        const Lauf lauf = uebertragen(von, f.ziel);
        EXPECT_EQ(lauf.code, f.code) << f.meldung.toStdString();
        EXPECT_TRUE(lauf.fehler.startsWith(f.meldung)) << lauf.fehler.toStdString();
        EXPECT_TRUE(lauf.aus.isEmpty());
        EXPECT_EQ(stand(), vorher) << f.meldung.toStdString();
    }
}
