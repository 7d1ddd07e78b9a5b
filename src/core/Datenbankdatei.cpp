#include "core/Datenbankdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/Datenbank.h"
#include "core/Datensicherung.h"
#include "core/Demodaten.h"
#include "core/Schema.h"
#include "core/Schluesseldatei.h"

namespace {

const QString kDateiname = QStringLiteral("tavro.db");

// A new file is built under a temporary name and takes its real name only when
// it is complete, so a first start cut short leaves no half file to log into.
void anlegen(const QString& pfad, const QByteArray& schluessel) {
    const QString neu = pfad + QStringLiteral(".neu");
    for (const char* rest : {"", "-wal", "-shm", "-journal"})  // of a start cut short
        QFile::remove(neu + QLatin1String(rest));
    {
        auto db = Datenbank::oeffnen(neu, schluessel);
        Transaktion t(*db);
        SchemaAktualisieren(*db);
        DemodatenAnlegen(*db);
        t.bestaetigen();
        // Folds the log into the file: the file alone must hold everything.
        Abfrage modus = db->abfrage(QStringLiteral("PRAGMA journal_mode=DELETE"));
        if (!modus.naechste() || modus.text(0) != QStringLiteral("delete"))
            throw DbFehler(SQLITE_IOERR,
                           QStringLiteral("Die neue Datenbank '%1' konnte nicht abgeschlossen "
                                          "werden.")
                               .arg(QDir::toNativeSeparators(neu)));
    }
    if (!QFile::rename(neu, pfad))
        throw DbFehler(SQLITE_CANTOPEN,
                       QStringLiteral("Die neue Datenbank kann nicht unter '%1' abgelegt werden.")
                           .arg(QDir::toNativeSeparators(pfad)));
}

// A damaged file is found at the start, before anything is written to it.
void schnellPruefen(Datenbank& db) {
    Abfrage befund = db.abfrage(QStringLiteral("PRAGMA quick_check"));
    if (befund.naechste() && befund.text(0) != QStringLiteral("ok"))
        throw DbFehler(SQLITE_CORRUPT,
                       QStringLiteral("Die Datenbank '%1' ist beschädigt (%2).")
                           .arg(QDir::toNativeSeparators(db.pfad()), befund.text(0)));
}

// Where a damaged file's data can come back from.
QString sicherungHinweis(const QString& pfad) {
    const QString ordner = QFileInfo(pfad).absoluteDir().filePath(QStringLiteral("Sicherungen"));
    const QString neueste = NeuesteSicherung(ordner);
    if (neueste.isEmpty())
        return QStringLiteral("\n\nIm Ordner '%1' liegt keine Datensicherung.")
            .arg(QDir::toNativeSeparators(ordner));
    return QStringLiteral(
               "\n\nNeueste Datensicherung: '%1'. Einspielen mit:\n"
               "tavro --wiederherstellen '%1' --datenbank '%2'")
        .arg(QDir::toNativeSeparators(neueste), QDir::toNativeSeparators(pfad));
}

// A server's database is made whole in one transaction, as a new file is:
// an empty one gets the schema and the demo installation, an older schema
// every step it lacks.
std::unique_ptr<Datenbank> ServerdatenbankOeffnen(const QString& uri) {
    auto db = Datenbank::verbinden(uri);
    Transaktion t(*db);
    const bool leer = db->schemaversion() == 0;
    SchemaAktualisieren(*db);
    if (leer) DemodatenAnlegen(*db);
    t.bestaetigen();
    return db;
}

}  // namespace

QString StandardDatenbankpfad(const QString& programmordner) {
    if (Datenbank::schreibbar(programmordner)) return QDir(programmordner).filePath(kDateiname);
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/tavro");
    QDir().mkpath(daten);
    return QDir(daten).filePath(kDateiname);
}

std::unique_ptr<Datenbank> DatenbankMitSchluessel(const QString& pfad,
                                                  const QString& schluesselpfad) {
    if (Datenbank::istServeradresse(pfad)) return Datenbank::verbinden(pfad);
    const bool eigenerSchluessel = QFileInfo::exists(schluesselpfad);
    if (eigenerSchluessel) {
        try {
            return Datenbank::oeffnen(pfad, SchluesselLesen(schluesselpfad));
        } catch (const DbFehler& f) {
            if (f.nummer() != SQLITE_NOTADB) throw;
        }
    }
    try {
        return Datenbank::oeffnen(pfad, kDatenbankKennwort);
    } catch (const DbFehler& f) {
        // An empty file says so itself; it needs no key.
        if (f.nummer() != SQLITE_NOTADB || QFileInfo(pfad).size() == 0) throw;
        throw DbFehler(
            f.nummer(),
            (eigenerSchluessel
                 ? QStringLiteral("Die Datenbank '%1' lässt sich mit dem Schlüssel aus "
                                  "'%2' nicht öffnen: Die Schlüsseldatei gehört zu einer "
                                  "anderen Datenbank, oder die Datei ist beschädigt.")
                 : QStringLiteral("Die Datenbank '%1' ist beschädigt, oder ihr fehlt die "
                                  "Schlüsseldatei '%2': Legen Sie die Schlüsseldatei mit "
                                  "der Passphrase vom Notfallblatt wieder an."))
                .arg(QDir::toNativeSeparators(pfad), QDir::toNativeSeparators(schluesselpfad)));
    }
}

std::unique_ptr<Datenbank> DatenbankOeffnen(const QString& pfad, const QString& schluesselpfad) {
    if (Datenbank::istServeradresse(pfad)) return ServerdatenbankOeffnen(pfad);
    Datenbank::pruefen(pfad);
    Dateisperre sperre(pfad);
    if (!QFileInfo::exists(pfad))
        anlegen(pfad, QFileInfo::exists(schluesselpfad) ? SchluesselLesen(schluesselpfad)
                                                        : SchluesselAnlegen(schluesselpfad));
    std::unique_ptr<Datenbank> db;
    try {
        db = DatenbankMitSchluessel(pfad, schluesselpfad);
        schnellPruefen(*db);
    } catch (const DbFehler& f) {
        if (f.nummer() != SQLITE_CORRUPT && f.nummer() != SQLITE_NOTADB) throw;
        throw DbFehler(f.nummer(), f.beschreibung() + sicherungHinweis(pfad));
    }
    SchemaAktualisieren(*db);
    db->sperreHalten(std::move(sperre));
    return db;
}
