#include "core/Uebertragung.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <algorithm>

#include "core/Datenbank.h"
#include "core/Datenbankdatei.h"
#include "core/Schema.h"
#include "core/Schluesseldatei.h"
#include "fiskal/Journalpruefung.h"

namespace {

const QString kBefehl = QStringLiteral("uebertragen");

// A refusal or a failed check, with the command's exit code.
struct Abbruch {
    int code;
    QString meldung;
};

constexpr int kFehlgeschlagen = 1;
constexpr int kNichtMoeglich = 2;

QString nativ(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

std::int64_t zeilen(Datenbank& db, const QString& tabelle) {
    return db.zahl(QStringLiteral("SELECT COUNT(*) FROM %1").arg(Datenbank::bezeichner(tabelle)));
}

// The file's tables in the order they were made: a table is filled after the
// tables its rows refer to.
QStringList tabellen(Datenbank& quelle) {
    QStringList namen;
    for (Abfrage a = quelle.abfrage(
             QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT "
                            "LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"));
         a.naechste();)
        namen << a.text(0);
    return namen;
}

// Opened without bringing its schema up to date, under the lock a till holds,
// so that no till writes to it while it is copied.
std::unique_ptr<Datenbank> quelleOeffnen(const QString& pfad, const QString& schluesselpfad,
                                         Dateisperre& sperre) {
    if (Datenbank::istServeradresse(pfad))
        throw Abbruch{kNichtMoeglich,
                      QStringLiteral("Die Quelle '%1' ist keine Datenbankdatei: Übertragen wird "
                                     "aus der Datei einer Kasse.")
                          .arg(pfad)};
    if (!QFileInfo::exists(pfad))
        throw Abbruch{kNichtMoeglich,
                      QStringLiteral("Die Datenbank '%1' gibt es nicht.").arg(nativ(pfad))};
    if (!QFileInfo(pfad).isFile())
        throw Abbruch{kNichtMoeglich,
                      QStringLiteral("'%1' ist keine Datenbankdatei.").arg(nativ(pfad))};
    sperre = Dateisperre(pfad);
    auto db = DatenbankMitSchluessel(pfad, schluesselpfad);
    const int version = db->schemaversion();
    if (version < SchemaVersion())
        throw Abbruch{kNichtMoeglich,
                      QStringLiteral("Die Datenbank '%1' hat den Stand %2, dieses Programm den "
                                     "Stand %3. Öffnen Sie die Datei einmal mit der Kasse "
                                     "(tavro --datenbank '%1'), dann ist sie auf dem neuesten "
                                     "Stand, und übertragen Sie sie danach.")
                          .arg(nativ(pfad))
                          .arg(version)
                          .arg(SchemaVersion())};
    if (version > SchemaVersion())
        throw Abbruch{kNichtMoeglich,
                      QStringLiteral("Die Datenbank '%1' hat den Stand %2, dieses Programm erst "
                                     "den Stand %3. Übertragen Sie sie mit dem neueren Programm.")
                          .arg(nativ(pfad))
                          .arg(version)
                          .arg(SchemaVersion())};
    return db;
}

std::unique_ptr<Datenbank> zielVerbinden(const QString& uri) {
    if (!Datenbank::istServeradresse(uri))
        throw Abbruch{kNichtMoeglich,
                      QStringLiteral("Das Ziel '%1' ist kein PostgreSQL-Server: Erwartet wird "
                                     "postgresql://BENUTZER@RECHNER[:PORT]/NAME.")
                          .arg(uri)};
    auto db = Datenbank::verbinden(uri);
    if (db->schemaversion() != 0)
        throw Abbruch{kNichtMoeglich,
                      QStringLiteral("Die Zieldatenbank ist nicht leer: '%1' enthält schon die "
                                     "Tabellen und Daten einer Kasse. Übertragen wird nur in "
                                     "eine leere Datenbank.")
                          .arg(uri)};
    return db;
}

// Columns the file has beyond its schema steps (a station's access column in
// Kellner) are added to the target with their type.
void spaltenErgaenzen(Datenbank& quelle, Datenbank& ziel, const QString& tabelle) {
    const QStringList vorhanden = ziel.spalten(tabelle);
    for (Abfrage info = quelle.abfrage(
             QStringLiteral("PRAGMA table_info(%1)").arg(Datenbank::bezeichner(tabelle)));
         info.naechste();) {
        const QString spalte = info.text(1);
        if (vorhanden.contains(spalte, Qt::CaseInsensitive)) continue;
        const QString typ = info.text(2);
        ziel.skript(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                        .arg(Datenbank::bezeichner(tabelle), Datenbank::bezeichner(spalte),
                             typ.isEmpty() ? QStringLiteral("TEXT") : typ));
    }
}

// Every row in the order of its key, every column by name, the keys kept.
// The rows the schema steps seed (the device's counters, the hotel invoice
// number) give way to the file's. The journal is only appended to, entry by
// entry as it stands, so its chain goes on unchanged. A row travels as one
// JSON object, which the server turns into the table's row type: the number
// of columns varies from table to table, the number of bound values cannot.
std::int64_t tabelleKopieren(Datenbank& quelle, Datenbank& ziel, const QString& tabelle) {
    const QString name = Datenbank::bezeichner(tabelle);
    const QStringList spalten = ziel.spalten(tabelle);
    if (spalten.isEmpty())
        throw Abbruch{kFehlgeschlagen,
                      QStringLiteral("Die Tabelle %1 fehlt in der Zieldatenbank.").arg(tabelle)};
    if (zeilen(ziel, tabelle) > 0) ziel.ausfuehren(QStringLiteral("DELETE FROM %1").arg(name));
    QStringList liste;
    for (const QString& spalte : spalten) liste << Datenbank::bezeichner(spalte);
    const QString einfuegen =
        QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM json_populate_record(NULL::%1, ?)")
            .arg(name, liste.join(QStringLiteral(", ")));
    std::int64_t anzahl = 0;
    for (Abfrage a = quelle.abfrage(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                        .arg(liste.join(QStringLiteral(", ")), name));
         a.naechste(); ++anzahl) {
        QJsonObject zeile;
        for (int i = 0; i < a.spaltenzahl(); ++i)
            zeile.insert(spalten[i].toLower(), QJsonValue::fromVariant(a.wert(i)));
        ziel.ausfuehren(einfuegen,
                        QString::fromUtf8(QJsonDocument(zeile).toJson(QJsonDocument::Compact)));
    }
    return anzahl;
}

// The server numbers new rows itself: its counters go on after the highest
// key the file ever gave (rows deleted since included, as SQLite's
// AUTOINCREMENT keeps it in sqlite_sequence), so no key comes back.
void nummernFortsetzen(Datenbank& quelle, Datenbank& ziel, const QString& tabelle) {
    QStringList schluessel;
    for (Abfrage a =
             ziel.abfrage(QStringLiteral("SELECT column_name FROM information_schema.columns WHERE "
                                         "table_schema = current_schema() AND table_name = ? AND "
                                         "is_identity = 'YES'"),
                          tabelle.toLower());
         a.naechste();)
        schluessel << a.text(0);
    const std::int64_t zuletzt =
        quelle.zahl(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"), tabelle);
    for (const QString& spalte : schluessel) {
        const std::int64_t hoechste = std::max(
            zuletzt,
            ziel.zahl(QStringLiteral("SELECT COALESCE(MAX(%1), 0) FROM %2")
                          .arg(Datenbank::bezeichner(spalte), Datenbank::bezeichner(tabelle))));
        if (hoechste > 0)
            ziel.abfrage(QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), ?)"),
                         tabelle.toLower(), spalte, hoechste)
                .naechste();
    }
}

struct Ergebnis {
    qsizetype tabellen = 0;
    std::int64_t zeilen = 0;
    std::int64_t journal = 0;
};

// Inside the copy's transaction: any difference undoes it all.
void vergleichen(Datenbank& quelle, Datenbank& ziel, const QStringList& namen, Ergebnis& e) {
    for (const QString& tabelle : namen) {
        const std::int64_t dort = zeilen(quelle, tabelle), hier = zeilen(ziel, tabelle);
        if (dort != hier)
            throw Abbruch{kFehlgeschlagen,
                          QStringLiteral("Die Tabelle %1 hat in der Quelle %2 Zeilen, im Ziel %3.")
                              .arg(tabelle)
                              .arg(dort)
                              .arg(hier)};
    }
    const Journalbefund befund = *JournalPruefen(ziel);
    if (befund.veraendertAb)
        throw Abbruch{kFehlgeschlagen,
                      QStringLiteral("Das Journal im Ziel ist ab Eintrag %1 nicht in Ordnung.")
                          .arg(*befund.veraendertAb)};
    e.journal = befund.eintraege;
}

Ergebnis uebertragen(Datenbank& quelle, Datenbank& ziel) {
    Ergebnis e;
    Transaktion t(ziel);
    SchemaAktualisieren(ziel);
    const QStringList namen = tabellen(quelle);
    for (const QString& tabelle : namen) {
        try {
            spaltenErgaenzen(quelle, ziel, tabelle);
            e.zeilen += tabelleKopieren(quelle, ziel, tabelle);
            nummernFortsetzen(quelle, ziel, tabelle);
        } catch (const DbFehler& f) {
            throw Abbruch{kFehlgeschlagen,
                          QStringLiteral("Tabelle %1: %2").arg(tabelle, f.beschreibung())};
        }
    }
    e.tabellen = namen.size();
    vergleichen(quelle, ziel, namen, e);
    t.bestaetigen();
    return e;
}

}  // namespace

bool IstUebertragung(const QStringList& argumente) {
    for (const QString& a : argumente)
        if (a == QStringLiteral("--") + kBefehl) return true;
    return false;
}

int UebertragungAusfuehren(const QStringList& argumente, QTextStream& aus, QTextStream& fehler) {
    QCommandLineParser parser;
    const QCommandLineOption befehl(kBefehl);
    const QCommandLineOption schluessel(QStringLiteral("schluessel"), QString(),
                                        QStringLiteral("PFAD"));
    parser.addOptions({befehl, schluessel});
    if (!parser.parse(argumente) || parser.positionalArguments().size() != 2) {
        fehler << QStringLiteral("Aufruf: tavro --uebertragen QUELLE ZIEL [--schluessel PFAD]")
               << Qt::endl;
        return kNichtMoeglich;
    }
    const QString quellpfad = parser.positionalArguments().at(0);
    const QString zieladresse = parser.positionalArguments().at(1);
    int code = kNichtMoeglich;
    QString meldung;
    try {
        Dateisperre sperre;
        auto quelle = quelleOeffnen(
            quellpfad,
            parser.isSet(schluessel) ? parser.value(schluessel) : StandardSchluesselpfad(), sperre);
        auto ziel = zielVerbinden(zieladresse);
        code = kFehlgeschlagen;
        const Ergebnis e = uebertragen(*quelle, *ziel);
        aus << QStringLiteral(
                   "Übertragen: %1 Tabellen, %2 Zeilen, Journal mit %3 Einträgen "
                   "geprüft.")
                   .arg(e.tabellen)
                   .arg(e.zeilen)
                   .arg(e.journal)
            << Qt::endl;
        return 0;
    } catch (const Abbruch& a) {
        code = a.code;
        meldung = a.meldung;
    } catch (const DbFehler& f) {
        meldung = f.beschreibung();
    }
    if (code == kFehlgeschlagen)
        meldung.prepend(QStringLiteral("Übertragung abgebrochen, die Zieldatenbank bleibt leer: "));
    fehler << meldung << Qt::endl;
    return code;
}
