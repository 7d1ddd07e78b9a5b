#pragma once

#include <QDateTime>
#include <QString>

// Puts a backup in place of the database file: checks the backup (under the
// key file's passphrase or, for an older backup, the program's password;
// integrity; schema version), refuses while a till has the file open, moves
// the current file aside (never deletes it) and copies the backup in under a
// temporary name before it takes the real one. Answers the German message
// that says where the old file went; throws DbFehler with the reason.
QString Wiederherstellen(const QString& sicherung, const QString& datenbank,
                         const QString& schluesselpfad, const QDateTime& jetzt);
