#include "support/DbTest.h"

#include "core/Datenbankdatei.h"
#include "core/Schema.h"

namespace {

QString serveradresse() { return qEnvironmentVariable("TAVRO_TEST_POSTGRES"); }

}  // namespace

DbTest::DbTest() {
    if (aufServer()) {
        static int nummer = 0;
        m_schema =
            QStringLiteral("test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++nummer);
        Datenbank::verbinden(serveradresse())
            ->skript(
                QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE; CREATE SCHEMA %1").arg(m_schema));
    }
    db = Datenbank::oeffnen(dateipfad(), kDatenbankKennwort);
    SchemaAktualisieren(*db);
    k = std::make_unique<Kontext>(*db, uhr, dialoge, drucker);
}

DbTest::~DbTest() {
    if (m_schema.isEmpty()) return;
    k.reset();
    db.reset();
    Datenbank::verbinden(serveradresse())
        ->skript(QStringLiteral("DROP SCHEMA %1 CASCADE").arg(m_schema));
}

bool DbTest::aufServer() { return !serveradresse().isEmpty(); }

QString DbTest::dateipfad() const {
    if (m_schema.isEmpty()) return ordner.filePath(QStringLiteral("tavro.db"));
    const QString adresse = serveradresse();
    return adresse + (adresse.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) +
           QStringLiteral("options=-csearch_path%3D") + m_schema;
}

void DbTest::kellner(const QString& name, const QString& pin1, const QString& pin2,
                     const QStringList& rechte, const QString& status, const QString& adminKey) {
    db->ausfuehren(QStringLiteral("INSERT INTO Kellner (Mitarbeiter, Pin1, Pin2, Status, AdminKey) "
                                  "VALUES (?, ?, ?, ?, ?)"),
                   name, pin1, pin2, status, adminKey);
    const auto id = db->letzteId();
    for (const QString& recht : rechte) {
        db->ausfuehren(QStringLiteral("UPDATE Kellner SET %1 = 1 WHERE ID = ?")
                           .arg(Datenbank::bezeichner(recht)),
                       static_cast<std::int64_t>(id));
    }
}

void DbTest::station(const QString& name, const QStringList& tische) {
    db->ausfuehren(QStringLiteral("INSERT INTO Stationen (Station, Drucker) VALUES (?, 0)"), name);
    StationsspalteAnlegen(*db, name);
    int links = 10;
    for (const QString& tisch : tische) {
        db->ausfuehren(QStringLiteral("INSERT INTO TabellePicTisch (Station, Name, Oben, Links, "
                                      "Breite, Hoehe) VALUES (?, ?, 20, ?, 80, 80)"),
                       name, tisch, links);
        links += 100;
    }
}

void DbTest::artikel(const QString& plu, const QString& gericht, std::int64_t cent,
                     const QString& wg, const QString& idwg, const QString& bondrucker,
                     bool extra) {
    db->ausfuehren(
        QStringLiteral("INSERT INTO Artikelgruppe (PLU, WG, IDWG, Gericht, EPREIS, MwSt, "
                       "Stationsdrucker, Bondrucker, Extra) VALUES (?, ?, ?, ?, ?, '19', "
                       "'kein Drucker', ?, ?)"),
        plu, wg, idwg, gericht, cent, bondrucker, extra);
}

void DbTest::steuersatz(const QString& plu, const QString& mwst) {
    db->ausfuehren(QStringLiteral("UPDATE Artikelgruppe SET MwSt = ? WHERE PLU = ?"), mwst, plu);
}

void DbTest::offeneZeile(const QString& stationName, const QString& tisch,
                         const QString& kellnerName) {
    db->ausfuehren(
        QStringLiteral("INSERT INTO OffeneTische (Station, Tisch, Kellner) VALUES (?, ?, ?)"),
        stationName, tisch, kellnerName);
}

void DbTest::amTisch(const QString& kellnerName, const QString& stationName, const QString& tisch) {
    k->werte.kellner = kellnerName;
    k->werte.station = stationName;
    k->werte.tisch = tisch;
}

std::int64_t DbTest::offeneZeile(const QString& plu, int menge, const QString& tischDetails,
                                 const QString& kellnerName) {
    const int zeilen = db->ausfuehren(
        QStringLiteral("INSERT INTO OffeneTische (Station, Tisch, Kellner, TischDetails, PLU, "
                       "PLU_ID, Gericht, Menge, Menge_Text, EPREIS, GPREIS, Extra, Kommentar, "
                       "IDWG, WG, Stationsdrucker, Bondrucker, Datum, Zeit, MwStSatz) "
                       "SELECT ?, ?, ?, ?, PLU, PLU, Gericht, ?, ?, EPREIS, EPREIS * ?, 'Nein', "
                       "'Nein', IDWG, WG, Stationsdrucker, Bondrucker, ?, ?, "
                       "CAST(MwSt AS INTEGER) * 100 FROM Artikelgruppe "
                       "WHERE PLU = ? LIMIT 1"),
        k->werte.station, k->werte.tisch, kellnerName.isEmpty() ? k->werte.kellner : kellnerName,
        tischDetails, menge, QString::number(menge) + QLatin1Char('x'), menge, k->geschaeftstag(),
        k->jetzt().time().toString(QStringLiteral("HH:mm:ss")), plu);
    EXPECT_EQ(zeilen, 1) << "no article " << plu.toStdString();
    const std::int64_t id = db->letzteId();
    db->ausfuehren(QStringLiteral("UPDATE OffeneTische SET RegID = ID WHERE ID = ?"), id);
    return id;
}

void DbTest::zimmerpreis(int zimmerNr, const QString& zimmerart, std::optional<std::int64_t> ue,
                         std::optional<std::int64_t> uef) {
    db->ausfuehren(QStringLiteral("INSERT INTO Hotelpreisliste (ZimmerNr, Zimmerart, [Ü], [ÜF]) "
                                  "VALUES (?, ?, ?, ?)"),
                   zimmerNr, zimmerart, ue, uef);
}

QString DbTest::text(const QString& sql, const QString& trenner) {
    Abfrage a = db->abfrage(sql);
    QStringList werte;
    while (a.naechste()) werte << a.text(0);
    return werte.join(trenner);
}

std::int64_t DbTest::zahl(const QString& sql) { return db->zahl(sql); }

void DbTest::fehlerEinbauen(const QString& art, const QString& tabelle, const QString& meldung) {
    const QString name = QStringLiteral("Fehler_") + tabelle;
    QString quoted = meldung;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    if (aufServer()) {
        db->skript(QStringLiteral("CREATE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $$ "
                                  "BEGIN RAISE EXCEPTION '%2'; END $$; CREATE TRIGGER %1 BEFORE "
                                  "%3 ON %4 FOR EACH ROW EXECUTE FUNCTION %1()")
                       .arg(name, quoted, art, tabelle));
    } else {
        db->skript(QStringLiteral("CREATE TRIGGER %1 BEFORE %3 ON %4 BEGIN SELECT RAISE(ABORT, "
                                  "'%2'); END")
                       .arg(name, quoted, art, tabelle));
    }
}

void DbTest::journalschutzAufheben() {
    db->skript(aufServer() ? "DROP TRIGGER Journal_unveraenderlich ON Journal; "
                             "DROP TRIGGER Journal_unloeschbar ON Journal"
                           : "DROP TRIGGER Journal_unveraenderlich; "
                             "DROP TRIGGER Journal_unloeschbar");
}

void DbTest::fehlerAusbauen(const QString& tabelle) {
    const QString name = QStringLiteral("Fehler_") + tabelle;
    db->skript(aufServer()
                   ? QStringLiteral("DROP TRIGGER %1 ON %2; DROP FUNCTION %1()").arg(name, tabelle)
                   : QStringLiteral("DROP TRIGGER %1").arg(name));
}
