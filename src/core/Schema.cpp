#include "core/Schema.h"

#include <functional>
#include <vector>

#include "core/Datenbank.h"
#include "core/Rechteschluessel.h"
#include "core/Tischmelder.h"
#include "fiskal/Journal.h"
#include "fiskal/Steuersatz.h"

namespace {

// Columns shared by the open lines, the pending and the permanent cancellations:
// rows are copied between the three by position, so the lists must stay equal,
// and a later step adds a column to all three in the same order.
const char* const kZeilenspalten = R"(
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    RegID INTEGER,
    Station TEXT,
    Tisch TEXT,
    Kellner TEXT,
    TischDetails TEXT,
    PLU TEXT,
    PLU_ID TEXT,
    Gericht TEXT,
    Menge INTEGER,
    Menge_Text TEXT,
    EPREIS INTEGER,
    GPREIS INTEGER,
    Extra TEXT,
    Kommentar TEXT,
    IDWG TEXT,
    WG TEXT,
    Stationsdrucker TEXT,
    Bondrucker TEXT,
    Datum TEXT,
    Zeit TEXT)";

QString kellnerTabelle() {
    QString sql = QStringLiteral(
        "CREATE TABLE Kellner (ID INTEGER PRIMARY KEY AUTOINCREMENT, Mitarbeiter TEXT, "
        "Nachname TEXT, Vorname TEXT, \"Straße\" TEXT, Ort TEXT, Land TEXT, Telefon TEXT, "
        "Mobil TEXT, Email TEXT, Pin1 TEXT, Pin2 TEXT, Status TEXT, AdminKey TEXT");
    for (const QString& recht : Rechte::alle()) sql += QStringLiteral(", %1 INTEGER").arg(recht);
    return sql + QStringLiteral(");");
}

void version1(Datenbank& db) {
    const QString zeilen = QString::fromUtf8(kZeilenspalten);
    db.skript(kellnerTabelle());
    db.skript(QStringLiteral(R"(
CREATE TABLE Stationen (ID INTEGER PRIMARY KEY AUTOINCREMENT, Station TEXT, Drucker INTEGER,
    abger_Tagesumsatz INTEGER);
CREATE TABLE TabellePicTisch (ID INTEGER PRIMARY KEY AUTOINCREMENT, Station TEXT, Name TEXT,
    Oben INTEGER, Links INTEGER, Breite INTEGER, Hoehe INTEGER);
CREATE TABLE Verwaltung (ID INTEGER PRIMARY KEY AUTOINCREMENT, Verwaltung TEXT);
CREATE TABLE Warengruppe (WG TEXT, IDWG TEXT, Stationsdrucker TEXT, Bondrucker TEXT);
CREATE TABLE Artikelgruppe (PLU TEXT, WG TEXT, IDWG TEXT, Gericht TEXT, EPREIS INTEGER,
    MwSt TEXT, Stationsdrucker TEXT, Bondrucker TEXT, Extra INTEGER);
CREATE TABLE WarengruppeTasten (ID INTEGER PRIMARY KEY AUTOINCREMENT, WG TEXT,
    Tastenreihe INTEGER);
CREATE TABLE ArtikelTasten (ID INTEGER PRIMARY KEY AUTOINCREMENT, WG TEXT,
    SP1 TEXT, SP2 TEXT, SP3 TEXT, SP4 TEXT, SP5 TEXT,
    SP1PLU TEXT, SP2PLU TEXT, SP3PLU TEXT, SP4PLU TEXT, SP5PLU TEXT,
    SP1Farbe INTEGER, SP2Farbe INTEGER, SP3Farbe INTEGER, SP4Farbe INTEGER, SP5Farbe INTEGER);
CREATE TABLE OffeneTische (%1);
CREATE TABLE StornosTemporaer (%1);
CREATE TABLE Stornos (%1);
CREATE TABLE Rechnungsuebersicht (ID INTEGER PRIMARY KEY AUTOINCREMENT, RegNr INTEGER,
    Datum TEXT, Zeit TEXT, Station TEXT, Tisch TEXT, Mitarbeiter TEXT, BAR INTEGER,
    KARTE INTEGER, GUTSCHEIN INTEGER, Beleg TEXT, Zahlungsart TEXT, Gesamt INTEGER);
CREATE TABLE RechnungDetails (ID INTEGER PRIMARY KEY AUTOINCREMENT, RegNr INTEGER,
    Station TEXT, Tisch TEXT, Kellner TEXT, IDWG TEXT, WG TEXT, Stationsdrucker TEXT,
    Bondrucker TEXT, Menge INTEGER, PLU TEXT, Gericht TEXT, EPREIS INTEGER, GPREIS INTEGER,
    Datum TEXT, Zeit TEXT);
CREATE TABLE AlleUmsaetze (Datum TEXT, Lokal INTEGER, "AußerHaus" INTEGER, BAR INTEGER,
    KARTE INTEGER, GUTSCHEIN INTEGER, Gesamt INTEGER);
CREATE TABLE AbschlussBericht (ID INTEGER PRIMARY KEY AUTOINCREMENT, Bemerkung TEXT,
    Lokal INTEGER, "AußerHaus" INTEGER, BAR INTEGER, KARTE INTEGER, Gesamt INTEGER);
CREATE TABLE AktuellesBericht (Kellner TEXT, Offen INTEGER, Kassiert INTEGER, Stornos INTEGER);
CREATE TABLE Berichte (Bericht TEXT);
CREATE TABLE Hotelpreisliste (ZimmerNr INTEGER, Zimmerart TEXT,
    ID INTEGER PRIMARY KEY AUTOINCREMENT, Bezeichnung TEXT, "Ü" INTEGER, "ÜF" INTEGER);
CREATE TABLE AbrechnungHotel (ID INTEGER PRIMARY KEY AUTOINCREMENT, Mitarbeiter TEXT,
    Datum TEXT, Anreise TEXT, Abreise TEXT, ZimmerAnzahl INTEGER, ZimmerNr INTEGER,
    ZimmerArt TEXT, Zimmerleistung TEXT, TextUerbernachtungen TEXT, TextFruehstueck TEXT,
    "ZimmerEPÜ" INTEGER, "ZimmerEPÜF" INTEGER, ZimmerEPF INTEGER,
    "ZimmerGPÜ" INTEGER, "ZimmerGPÜF" INTEGER, ZimmerGPF INTEGER,
    Gesamt INTEGER, BAR INTEGER, GUTSCHEIN INTEGER, KARTE INTEGER);
)")
                  .arg(zeilen));
}

void version2(Datenbank& db) {
    db.skript(QStringLiteral(R"(
CREATE TABLE Betrieb (Name TEXT, Adresszeile TEXT, Telefon TEXT, Steuernummer TEXT);
CREATE INDEX OffeneTische_Tisch ON OffeneTische (Station, Tisch, TischDetails);
CREATE INDEX OffeneTische_NurTisch ON OffeneTische (Tisch, Kellner);
CREATE INDEX StornosTemporaer_Tisch ON StornosTemporaer (Station, Tisch);
CREATE INDEX Stornos_Datum ON Stornos (Datum);
CREATE INDEX Rechnungsuebersicht_RegNr ON Rechnungsuebersicht (RegNr);
CREATE INDEX Rechnungsuebersicht_Datum ON Rechnungsuebersicht (Datum);
CREATE INDEX RechnungDetails_RegNr ON RechnungDetails (RegNr);
CREATE INDEX RechnungDetails_Datum ON RechnungDetails (Datum);
CREATE INDEX AlleUmsaetze_Datum ON AlleUmsaetze (Datum);
CREATE INDEX Kellner_Mitarbeiter ON Kellner (Mitarbeiter);
CREATE INDEX Kellner_Pin1 ON Kellner (Pin1);
CREATE INDEX Artikelgruppe_PLU ON Artikelgruppe (PLU);
CREATE INDEX TabellePicTisch_Station ON TabellePicTisch (Station);
)"));
}

// The turnover of bills a till closing has already deleted, per date, so a
// date's daily totals stay complete when it is closed twice.
void version3(Datenbank& db) {
    db.skript(QStringLiteral(R"(
CREATE TABLE Abschlussumsaetze (Datum TEXT PRIMARY KEY, Lokal INTEGER, "AußerHaus" INTEGER,
    BAR INTEGER, KARTE INTEGER, GUTSCHEIN INTEGER, Gesamt INTEGER);
)"));
    const QStringList spalten = {QStringLiteral("Datum"),         QStringLiteral("Lokal"),
                                 QStringLiteral("\"AußerHaus\""), QStringLiteral("BAR"),
                                 QStringLiteral("KARTE"),         QStringLiteral("GUTSCHEIN"),
                                 QStringLiteral("Gesamt")};
    db.skript(db.ersetzen(QStringLiteral("Abschlussumsaetze"), spalten, QStringLiteral("Datum"),
                          QStringLiteral("SELECT %1 FROM AlleUmsaetze WHERE Datum NOT IN "
                                         "(SELECT Datum FROM Rechnungsuebersicht)")
                              .arg(spalten.join(QStringLiteral(", ")))));
}

// Lines on the pay list remember the table they come from. Bills belong to the
// business day they were settled in, as their lines do: bills settled after
// midnight move back one day, and the daily totals of the dates they leave
// fall back to what was closed there, to be recomputed from the bills left.
void version4(Datenbank& db) {
    db.skript(QStringLiteral(R"(
ALTER TABLE OffeneTische ADD COLUMN Herkunft TEXT;
ALTER TABLE StornosTemporaer ADD COLUMN Herkunft TEXT;
ALTER TABLE Stornos ADD COLUMN Herkunft TEXT;
CREATE TEMP TABLE NachMitternacht AS SELECT DISTINCT Datum FROM Rechnungsuebersicht
    WHERE Zeit < '04:00:00';
DELETE FROM AlleUmsaetze WHERE Datum IN (SELECT Datum FROM NachMitternacht);
INSERT INTO AlleUmsaetze (Datum, Lokal, "AußerHaus", BAR, KARTE, GUTSCHEIN, Gesamt)
    SELECT Datum, Lokal, "AußerHaus", BAR, KARTE, GUTSCHEIN, Gesamt FROM Abschlussumsaetze
    WHERE Datum IN (SELECT Datum FROM NachMitternacht);
UPDATE Rechnungsuebersicht SET Datum = %1 WHERE Zeit < '04:00:00';
DROP TABLE NachMitternacht;
)")
                  .arg(db.vortag(QStringLiteral("Datum"))));
}

// Every order line carries the VAT rate of its article as entered (hundredths of
// a percent), and a hotel bill the two rates it was priced at, the owner's
// choice in Betrieb (the reduced rate for rooms and breakfast to start with).
// Lines already there get their article's current rate; a line whose article
// is gone or has no valid rate (extras on stored bills, free-price lines) goes
// by its kind, drinks at the standard rate and all else at the reduced one.
// Hotel bills and turnover already closed keep the rates they were printed
// with: rooms and eat-in at the standard rate, breakfast and take-away at the
// reduced one.
void version5(Datenbank& db) {
    db.skript(QStringLiteral(R"(
ALTER TABLE OffeneTische ADD COLUMN MwStSatz INTEGER;
ALTER TABLE StornosTemporaer ADD COLUMN MwStSatz INTEGER;
ALTER TABLE Stornos ADD COLUMN MwStSatz INTEGER;
ALTER TABLE RechnungDetails ADD COLUMN MwStSatz INTEGER;
ALTER TABLE Betrieb ADD COLUMN MwStUebernachtung INTEGER;
ALTER TABLE Betrieb ADD COLUMN MwStFruehstueck INTEGER;
UPDATE Betrieb SET MwStUebernachtung = %1, MwStFruehstueck = %1;
ALTER TABLE AbrechnungHotel ADD COLUMN MwStUebernachtung INTEGER;
ALTER TABLE AbrechnungHotel ADD COLUMN MwStFruehstueck INTEGER;
UPDATE AbrechnungHotel SET MwStUebernachtung = %2, MwStFruehstueck = %1;
CREATE TABLE Steuerumsaetze (Datum TEXT, MwStSatz INTEGER, Brutto INTEGER);
CREATE INDEX Steuerumsaetze_Datum ON Steuerumsaetze (Datum);
INSERT INTO Steuerumsaetze SELECT Datum, %2, Lokal FROM Abschlussumsaetze WHERE Lokal <> 0;
INSERT INTO Steuerumsaetze SELECT Datum, %1, "AußerHaus" FROM Abschlussumsaetze
    WHERE "AußerHaus" <> 0;
)")
                  .arg(kErmaessigterSatz)
                  .arg(kRegelsatz));
    const QString artikelspalte[] = {QStringLiteral("PLU_ID"), QStringLiteral("PLU_ID"),
                                     QStringLiteral("PLU_ID"), QStringLiteral("PLU")};
    const QString tabellen[] = {QStringLiteral("OffeneTische"), QStringLiteral("StornosTemporaer"),
                                QStringLiteral("Stornos"), QStringLiteral("RechnungDetails")};
    for (Abfrage a =
             db.abfrage(QStringLiteral("SELECT PLU, MwSt FROM Artikelgruppe ORDER BY rowid"));
         a.naechste();) {
        const auto satz = SteuersatzLesen(a.text(1));
        if (!satz) continue;
        for (int i = 0; i < 4; ++i)
            db.ausfuehren(QStringLiteral("UPDATE %1 SET MwStSatz = ? WHERE MwStSatz IS NULL AND "
                                         "%2 = ?")
                              .arg(tabellen[i], artikelspalte[i]),
                          *satz, a.text(0));
    }
    for (const QString& tabelle : tabellen)
        db.ausfuehren(QStringLiteral("UPDATE %1 SET MwStSatz = CASE WHEN IDWG = ? THEN "
                                     "CAST(? AS INTEGER) ELSE CAST(? AS INTEGER) END WHERE "
                                     "MwStSatz IS NULL")
                          .arg(tabelle),
                      QStringLiteral("Getränke"), kRegelsatz, kErmaessigterSatz);
}

const char* const kJournalschutzDatei = R"(
CREATE TRIGGER Journal_unveraenderlich BEFORE UPDATE ON Journal
BEGIN SELECT RAISE(ABORT, 'Einträge des Journals dürfen nicht geändert werden.'); END;
CREATE TRIGGER Journal_unloeschbar BEFORE DELETE ON Journal
BEGIN SELECT RAISE(ABORT, 'Einträge des Journals dürfen nicht gelöscht werden.'); END;
)";

// PostgreSQL's triggers call a function; the messages are the same.
const char* const kJournalschutzServer = R"(
CREATE FUNCTION Journal_schuetzen() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    IF TG_OP = 'UPDATE' THEN
        RAISE EXCEPTION 'Einträge des Journals dürfen nicht geändert werden.';
    END IF;
    RAISE EXCEPTION 'Einträge des Journals dürfen nicht gelöscht werden.';
END $$;
CREATE TRIGGER Journal_unveraenderlich BEFORE UPDATE ON Journal
    FOR EACH ROW EXECUTE FUNCTION Journal_schuetzen();
CREATE TRIGGER Journal_unloeschbar BEFORE DELETE ON Journal
    FOR EACH ROW EXECUTE FUNCTION Journal_schuetzen();
)";

// The journal, to which the till only appends: triggers refuse any change or
// removal of an entry. Z-Nr. are the closings' entries themselves (see
// fiskal/Journal.h). A file that already holds data records its upgrade as
// the journal's first entry, with what it held then.
void version6(Datenbank& db) {
    db.skript(QStringLiteral(R"(
CREATE TABLE Journal (Nr INTEGER PRIMARY KEY, Zeit TEXT NOT NULL, Geschaeftstag TEXT NOT NULL,
    Kasse TEXT NOT NULL, Art TEXT NOT NULL, ZNr INTEGER NOT NULL, RegNr INTEGER,
    Inhalt TEXT NOT NULL, Kette TEXT NOT NULL);
CREATE INDEX Journal_Geschaeftstag ON Journal (Geschaeftstag, Art);
CREATE INDEX Journal_Rechnung ON Journal (ZNr, RegNr);
)"));
    db.skript(db.istServer() ? QString::fromUtf8(kJournalschutzServer)
                             : QString::fromUtf8(kJournalschutzDatei));
    Abfrage bestand = db.abfrage(QStringLiteral(
        "SELECT (SELECT COUNT(*) FROM Kellner) AS Kellner, "
        "(SELECT COUNT(*) FROM Artikelgruppe) AS Artikel, "
        "(SELECT COUNT(*) FROM OffeneTische) AS OffeneZeilen, "
        "(SELECT COUNT(*) FROM Stornos) AS Stornos, "
        "(SELECT COUNT(*) FROM Rechnungsuebersicht) AS Rechnungen, "
        "(SELECT COALESCE(SUM(Gesamt), 0) FROM Rechnungsuebersicht) AS Rechnungssumme"));
    bestand.naechste();
    const QJsonObject inhalt = ZeileAlsJson(bestand);
    for (const QJsonValue& anzahl : inhalt)
        if (anzahl.toInteger() != 0) {
            JournalBeginnen(db, QDateTime::currentDateTime(), kJournalUmstellung, inhalt);
            return;
        }
}

// Printers per role, the durable print queue and the note to the kitchen on
// a line. The administration gains its printer panel; a new file gets it with
// the demo installation instead.
void version7(Datenbank& db) {
    db.skript(QStringLiteral(R"(
CREATE TABLE Druckerzuordnung (Rolle TEXT PRIMARY KEY, Drucker TEXT);
CREATE TABLE Druckauftraege (ID INTEGER PRIMARY KEY AUTOINCREMENT, Rolle TEXT, Umleitung TEXT,
    Titel TEXT, Dokument TEXT, Status TEXT, Wiederholung INTEGER DEFAULT 0,
    Versuche INTEGER DEFAULT 0, Fehler TEXT, Datum TEXT, Zeit TEXT, Ausgabe TEXT);
CREATE INDEX Druckauftraege_Status ON Druckauftraege (Status, ID);
INSERT INTO Verwaltung (Verwaltung) SELECT 'Drucker' WHERE EXISTS (SELECT 1 FROM Verwaltung);
ALTER TABLE OffeneTische ADD COLUMN Notiz TEXT;
ALTER TABLE StornosTemporaer ADD COLUMN Notiz TEXT;
ALTER TABLE Stornos ADD COLUMN Notiz TEXT;
)"));
}

// Settings of the installation by name, such as the folder backups go to.
void version8(Datenbank& db) {
    db.skript(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS Einstellungen (Name TEXT PRIMARY KEY, Wert TEXT);"));
}

// The simulated TSE's key, counters and log (written by the device on its own
// connection), the device transactions the till has journalled, and an index
// to find the journal's entries of one kind.
void version9(Datenbank& db) {
    db.skript(QStringLiteral(R"(
CREATE TABLE TseSchluessel (Seriennummer TEXT NOT NULL, PrivaterSchluessel TEXT NOT NULL,
    OeffentlicherSchluessel TEXT NOT NULL, Zertifikat TEXT NOT NULL, Erstellt TEXT NOT NULL);
CREATE TABLE TseZaehler (Name TEXT PRIMARY KEY, Wert INTEGER NOT NULL);
INSERT INTO TseZaehler (Name, Wert) VALUES ('Transaktion', 0);
INSERT INTO TseZaehler (Name, Wert) VALUES ('Signatur', 0);
CREATE TABLE TseTransaktionen (Nr INTEGER PRIMARY KEY, Prozesstyp TEXT, Prozessdaten TEXT,
    Start TEXT NOT NULL, Ende TEXT, Signaturzaehler INTEGER, Signatur TEXT);
CREATE TABLE TseBuchungen (TransaktionNr INTEGER PRIMARY KEY);
CREATE INDEX Journal_Art ON Journal (Art, Nr);
)"));
}

// The administration gains its panel for the establishment's master data; a
// new file gets it with the demo installation instead.
void version10(Datenbank& db) {
    db.skript(QStringLiteral(
        "INSERT INTO Verwaltung (Verwaltung) SELECT 'Betrieb' WHERE EXISTS (SELECT 1 FROM "
        "Verwaltung);"));
}

// Guests' stays in the hotel, the restaurant bills charged to them, the
// running number of hotel invoices and the room charges as a payment type of
// their own beside cash, card and voucher.
void version11(Datenbank& db) {
    db.skript(QStringLiteral(R"(
CREATE TABLE Aufenthalte (ID INTEGER PRIMARY KEY AUTOINCREMENT, ZimmerNr INTEGER NOT NULL,
    Zimmerart TEXT, Zimmerleistung TEXT, Gast TEXT NOT NULL, Adresse TEXT,
    Anreise TEXT NOT NULL, Abreise TEXT NOT NULL, Zimmerpreis INTEGER NOT NULL,
    Fruehstueckpreis INTEGER NOT NULL, MwStUebernachtung INTEGER NOT NULL,
    MwStFruehstueck INTEGER NOT NULL, Status TEXT NOT NULL, Mitarbeiter TEXT,
    Rechnungsnr INTEGER, Zahlungsart TEXT, Abgereist TEXT, JournalNr INTEGER);
CREATE INDEX Aufenthalte_Zimmer ON Aufenthalte (ZimmerNr, Status);
CREATE INDEX Aufenthalte_Rechnungsnr ON Aufenthalte (Rechnungsnr);
CREATE TABLE Zimmerbelastungen (ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Aufenthalt INTEGER NOT NULL REFERENCES Aufenthalte (ID), RegNr INTEGER NOT NULL,
    Datum TEXT NOT NULL, MwStSatz INTEGER NOT NULL, Betrag INTEGER NOT NULL);
CREATE INDEX Zimmerbelastungen_Aufenthalt ON Zimmerbelastungen (Aufenthalt);
CREATE TABLE Hotelrechnungsnummer (Letzte INTEGER NOT NULL);
INSERT INTO Hotelrechnungsnummer (Letzte) VALUES (0);
ALTER TABLE Rechnungsuebersicht ADD COLUMN ZIMMER INTEGER DEFAULT 0;
ALTER TABLE AlleUmsaetze ADD COLUMN ZIMMER INTEGER DEFAULT 0;
ALTER TABLE Abschlussumsaetze ADD COLUMN ZIMMER INTEGER DEFAULT 0;
ALTER TABLE AbschlussBericht ADD COLUMN ZIMMER INTEGER DEFAULT 0;
ALTER TABLE AktuellesBericht ADD COLUMN Zimmer INTEGER;
)"));
}

// The course a line is served in ("Gang 2"); none: the line goes to the
// kitchen as soon as the table is left.
void version12(Datenbank& db) {
    db.skript(QStringLiteral(R"(
ALTER TABLE OffeneTische ADD COLUMN Gang TEXT;
ALTER TABLE StornosTemporaer ADD COLUMN Gang TEXT;
ALTER TABLE Stornos ADD COLUMN Gang TEXT;
)"));
}

// Several tills on one database: which till has a table open (a lease renewed
// by its heartbeat), which till made a bill, and which till prints a job.
void version13(Datenbank& db) {
    db.skript(QStringLiteral(R"(
CREATE TABLE Tischsperren (Station TEXT NOT NULL, Tisch TEXT NOT NULL, Kasse TEXT NOT NULL,
                           Herzschlag TEXT NOT NULL, PRIMARY KEY (Station, Tisch));
ALTER TABLE Rechnungsuebersicht ADD COLUMN Kasse TEXT;
ALTER TABLE Druckauftraege ADD COLUMN Kasse TEXT;
)"));
}

// Counters that several tills move under a row lock (core/Zaehler.h), from
// where the journal and the bills stand; the device's transactions name the
// till that started them, so a till starting up accounts only for its own.
void version14(Datenbank& db) {
    db.skript(QStringLiteral(R"(
CREATE TABLE Zaehler (Name TEXT PRIMARY KEY, Wert INTEGER NOT NULL);
INSERT INTO Zaehler (Name, Wert) SELECT 'Journal', COALESCE(MAX(Nr), 0) FROM Journal;
INSERT INTO Zaehler (Name, Wert) SELECT 'Rechnung', COALESCE(MAX(RegNr), 0) FROM Rechnungsuebersicht;
ALTER TABLE TseTransaktionen ADD COLUMN Kasse TEXT;
)"));
}

// Other tills' floor views mark a table as soon as its lines change: on a
// server every statement that changes open lines sends a notice, delivered at
// commit and once per transaction (see core/Tischmelder.h). The file has no
// other tills; its floor view reads the lines whenever it shows.
void version15(Datenbank& db) {
    if (!db.istServer()) return;
    db.skript(QStringLiteral(R"(
CREATE FUNCTION Tische_melden() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    PERFORM pg_notify('%1', TG_TABLE_SCHEMA);
    RETURN NULL;
END $$;
CREATE TRIGGER OffeneTische_melden AFTER INSERT OR UPDATE OR DELETE ON OffeneTische
    FOR EACH STATEMENT EXECUTE FUNCTION Tische_melden();
)")
                  .arg(kTischkanal));
}

// Each step takes a file from the version before it to its own number.
const std::vector<std::function<void(Datenbank&)>>& schritte() {
    static const std::vector<std::function<void(Datenbank&)>> liste = {
        version1, version2,  version3,  version4,  version5,  version6,  version7, version8,
        version9, version10, version11, version12, version13, version14, version15};
    return liste;
}

}  // namespace

int SchemaVersion() { return static_cast<int>(schritte().size()); }

void SchemaBisVersion(Datenbank& db, int ziel) {
    for (int v = db.schemaversion(); v < ziel; ++v) {
        Transaktion t(db);
        schritte()[v](db);
        db.schemaversionSetzen(v + 1);
        t.bestaetigen();
    }
}

void SchemaAktualisieren(Datenbank& db) { SchemaBisVersion(db, SchemaVersion()); }

void StationsspalteAnlegen(Datenbank& db, const QString& station) {
    for (const QString& spalte : db.spalten(QStringLiteral("Kellner")))
        if (spalte.compare(station, Qt::CaseInsensitive) == 0) return;
    db.skript(QStringLiteral("ALTER TABLE Kellner ADD COLUMN %1 INTEGER")
                  .arg(Datenbank::bezeichner(station)));
}
