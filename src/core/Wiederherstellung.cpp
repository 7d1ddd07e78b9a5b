#include "core/Wiederherstellung.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/Dateisperre.h"
#include "core/Datenbank.h"
#include "core/Datenbankdatei.h"
#include "core/Datensicherung.h"
#include "core/DbFehler.h"
#include "core/Schluesseldatei.h"

namespace {

// The log files travel with the file they belong to.
const char* const kBegleiter[] = {"", "-wal", "-shm"};

// A backup made before the installation had its own key is under the
// program's password.
void pruefenMitSchluessel(const QString& sicherung, const QString& schluesselpfad) {
    if (!QFileInfo::exists(schluesselpfad)) return SicherungPruefen(sicherung, kDatenbankKennwort);
    try {
        SicherungPruefen(sicherung, SchluesselLesen(schluesselpfad));
    } catch (const DbFehler&) {
        SicherungPruefen(sicherung, kDatenbankKennwort);
    }
}

}  // namespace

QString Wiederherstellen(const QString& sicherung, const QString& datenbank,
                         const QString& schluesselpfad, const QDateTime& jetzt) {
    if (Datenbank::istServeradresse(datenbank)) throw DbFehler(SQLITE_MISUSE, kNurMitDatei);
    pruefenMitSchluessel(sicherung, schluesselpfad);
    const Dateisperre sperre(datenbank);

    QString beiseite;
    if (QFileInfo::exists(datenbank)) {
        beiseite = datenbank + QStringLiteral(".vor-wiederherstellung-") +
                   jetzt.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        for (const char* endung : kBegleiter) {
            const QString alt = datenbank + QLatin1String(endung);
            if (QFileInfo::exists(alt) && !QFile::rename(alt, beiseite + QLatin1String(endung)))
                throw DbFehler(SQLITE_CANTOPEN,
                               QStringLiteral("Die Datei '%1' kann nicht beiseitegelegt werden.")
                                   .arg(QDir::toNativeSeparators(alt)));
        }
    }
    // Where the old file went, for the message of success and of failure alike.
    const QString verbleib = beiseite.isEmpty()
                                 ? QString()
                                 : QStringLiteral(" Die bisherige Datenbank liegt unter '%1'.")
                                       .arg(QDir::toNativeSeparators(beiseite));
    const QString neu = datenbank + QStringLiteral(".wiederherstellung");
    QFile::remove(neu);
    if (!QFile::copy(sicherung, neu) ||
        !QFile::setPermissions(neu, QFile::ReadOwner | QFile::WriteOwner) ||
        !QFile::rename(neu, datenbank)) {
        QFile::remove(neu);
        throw DbFehler(SQLITE_CANTOPEN,
                       QStringLiteral("Die Sicherung kann nicht nach '%1' kopiert werden.%2")
                           .arg(QDir::toNativeSeparators(datenbank), verbleib));
    }
    return QStringLiteral("Die Sicherung '%1' ist eingespielt.%2")
        .arg(QDir::toNativeSeparators(sicherung), verbleib);
}
