#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class Datenbank;

// Backups of the database: consistent, encrypted copies written through
// SQLite's online backup, never a file copy of the live file (its write-ahead
// log would be missing).

// Sicherungen/ beside the database, unless the back office set another folder
// (a USB stick, a network share).
QString Sicherungsordner(Datenbank& db);
// The folder a backup goes to from now on; empty for the default.
void SicherungsordnerSetzen(Datenbank& db, const QString& ordner);
inline const QString kEinstellungSicherungsordner = QStringLiteral("Sicherungsordner");

// Writes tavro-YYYY-MM-DD_HH-mm-ss.db into the folder, opens the copy with the
// key and checks it before it takes its name, then keeps the last 30 backups
// plus the newest of every month and deletes the rest. Answers the copy's
// path; throws DbFehler with the reason when no sound copy was written.
QString DatensicherungSchreiben(Datenbank& db, const QString& ordner, const QDateTime& jetzt);

// Opens a backup read-only with the key and checks it: integrity, and a schema
// this program knows. Throws DbFehler naming the file.
void SicherungPruefen(const QString& datei, const QByteArray& schluessel);

// Keeps the newest 30 backups of the folder and, of the older ones, the newest
// of each month; deletes the rest.
void SicherungenAusduennen(const QString& ordner);

// The newest backup in the folder; empty when there is none.
QString NeuesteSicherung(const QString& ordner);

inline constexpr int kSicherungenBehalten = 30;
