#include "core/Datenbankdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/Datenbank.h"
#include "core/Demodaten.h"
#include "core/Schema.h"

namespace {

const QString kDateiname = QStringLiteral("tavro.db");

// A new file is built under a temporary name and takes its real name only when
// it is complete, so a first start cut short leaves no half file to log into.
void anlegen(const QString& pfad) {
    const QString neu = pfad + QStringLiteral(".neu");
    for (const char* rest : {"", "-wal", "-shm", "-journal"})  // of a start cut short
        QFile::remove(neu + QLatin1String(rest));
    {
        auto db = Datenbank::oeffnen(neu, kDatenbankKennwort);
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

}  // namespace

QString StandardDatenbankpfad(const QString& programmordner) {
    if (Datenbank::schreibbar(programmordner)) return QDir(programmordner).filePath(kDateiname);
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/tavro");
    QDir().mkpath(daten);
    return QDir(daten).filePath(kDateiname);
}

std::unique_ptr<Datenbank> DatenbankOeffnen(const QString& pfad) {
    Datenbank::pruefen(pfad);
    Dateisperre sperre(pfad);
    if (!QFileInfo::exists(pfad)) anlegen(pfad);
    auto db = Datenbank::oeffnen(pfad, kDatenbankKennwort);
    SchemaAktualisieren(*db);
    db->sperreHalten(std::move(sperre));
    return db;
}
