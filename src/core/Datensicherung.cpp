#include "core/Datensicherung.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "core/Datenbank.h"
#include "core/Einstellungen.h"
#include "core/Schema.h"

namespace {

const QString kMuster = QStringLiteral("tavro-*.db");

[[noreturn]] void fehlgeschlagen(int rc, const QString& text) { throw DbFehler(rc, text); }

// Backup names sort by their time: newest first.
QStringList sicherungen(const QString& ordner) {
    return QDir(ordner).entryList({kMuster}, QDir::Files, QDir::Name | QDir::Reversed);
}

}  // namespace

void SicherungenAusduennen(const QString& ordner) {
    QSet<QString> monate;
    const QStringList liste = sicherungen(ordner);
    for (int i = 0; i < liste.size(); ++i) {
        const QString monat = liste[i].mid(6, 7);  // tavro-YYYY-MM
        const bool ersterDesMonats = !monate.contains(monat);
        monate.insert(monat);
        if (i >= kSicherungenBehalten && !ersterDesMonats)
            QFile::remove(QDir(ordner).filePath(liste[i]));
    }
}

namespace {

// A copy is one file. It is written without a log and synced once at the
// end: until it is checked and renamed it is only a temporary file.
void kopieren(Datenbank& db, const QString& ziel) {
    // Encrypted pages are copied as they are decrypted: the copy needs the
    // original's page size, whichever it is.
    auto kopie = Datenbank::oeffnen(ziel, db.schluessel(), db.seitengroesse());
    kopie->skript(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"));
    sqlite3_backup* sicherung = sqlite3_backup_init(kopie->handle(), "main", db.handle(), "main");
    if (!sicherung)
        fehlgeschlagen(sqlite3_errcode(kopie->handle()),
                       QString::fromUtf8(sqlite3_errmsg(kopie->handle())));
    const int rc = sqlite3_backup_step(sicherung, -1);
    sqlite3_backup_finish(sicherung);
    if (rc != SQLITE_DONE) fehlgeschlagen(rc, QString::fromUtf8(sqlite3_errstr(rc)));
    kopie->skript(QStringLiteral("PRAGMA journal_mode=DELETE;"));
    kopie.reset();
    QFile datei(ziel);
    if (!datei.open(QIODevice::ReadOnly) || ::fsync(datei.handle()) != 0)
        fehlgeschlagen(SQLITE_IOERR, QStringLiteral("Die Sicherung '%1' konnte nicht auf den "
                                                    "Datenträger geschrieben werden.")
                                         .arg(QDir::toNativeSeparators(ziel)));
}

}  // namespace

QString Sicherungsordner(Datenbank& db) {
    if (const auto ordner = EinstellungLesen(db, kEinstellungSicherungsordner)) return *ordner;
    return QDir(db.ordner()).filePath(QStringLiteral("Sicherungen"));
}

void SicherungsordnerSetzen(Datenbank& db, const QString& ordner) {
    EinstellungSchreiben(db, kEinstellungSicherungsordner, ordner);
}

QString DatensicherungSchreiben(Datenbank& db, const QString& ordner, const QDateTime& jetzt) {
    if (!QDir().mkpath(ordner) || !Datenbank::schreibbar(ordner))
        fehlgeschlagen(SQLITE_CANTOPEN, QStringLiteral("Der Ordner '%1' kann nicht beschrieben "
                                                       "werden.")
                                            .arg(QDir::toNativeSeparators(ordner)));
    const QString stamm = QDir(ordner).filePath(
        QStringLiteral("tavro-") + jetzt.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")));
    QString ziel = stamm + QStringLiteral(".db");
    for (int n = 2; QFileInfo::exists(ziel); ++n) ziel = stamm + QStringLiteral("-%1.db").arg(n);
    // Written under a name no listing picks up, and named only once checked.
    const QString teil = ziel + QStringLiteral(".teil");
    QFile::remove(teil);
    try {
        kopieren(db, teil);
        SicherungPruefen(teil, db.schluessel());
    } catch (const DbFehler&) {
        QFile::remove(teil);
        throw;
    }
    if (!QFile::rename(teil, ziel)) {
        QFile::remove(teil);
        fehlgeschlagen(SQLITE_CANTOPEN,
                       QStringLiteral("Die Sicherung kann nicht unter '%1' abgelegt werden.")
                           .arg(QDir::toNativeSeparators(ziel)));
    }
    SicherungenAusduennen(ordner);
    return ziel;
}

void SicherungPruefen(const QString& datei, const QByteArray& schluessel) {
    if (!QFileInfo(datei).isFile())
        fehlgeschlagen(SQLITE_CANTOPEN, QStringLiteral("Die Sicherung '%1' gibt es nicht.")
                                            .arg(QDir::toNativeSeparators(datei)));
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(datei).constData(), &handle,
                                   SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> verbindung(handle, sqlite3_close);
    const auto abfragen = [&](const char* sql) -> QString {
        sqlite3_stmt* stmt = nullptr;
        QString antwort;
        if (sqlite3_prepare_v2(handle, sql, -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW)
            antwort =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return antwort;
    };
    const QString befund =
        rc == SQLITE_OK &&
                sqlite3_key(handle, schluessel.constData(), schluessel.size()) == SQLITE_OK &&
                SeitengroesseFinden(handle) == SQLITE_OK
            ? abfragen("PRAGMA quick_check")
            : QString();
    if (befund != QStringLiteral("ok"))
        fehlgeschlagen(SQLITE_CORRUPT,
                       QStringLiteral("Die Sicherung '%1' ist beschädigt oder mit einem anderen "
                                      "Kennwort verschlüsselt.")
                           .arg(QDir::toNativeSeparators(datei)));
    const int version = abfragen("PRAGMA user_version").toInt();
    if (version < 1 || version > SchemaVersion())
        fehlgeschlagen(SQLITE_NOTADB,
                       QStringLiteral("Die Sicherung '%1' passt nicht zu dieser Programmversion "
                                      "(Datenstand %2).")
                           .arg(QDir::toNativeSeparators(datei))
                           .arg(version));
}

QString NeuesteSicherung(const QString& ordner) {
    const QStringList liste = sicherungen(ordner);
    return liste.isEmpty() ? QString() : QDir(ordner).filePath(liste.first());
}
