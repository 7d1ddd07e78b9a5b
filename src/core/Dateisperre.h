#pragma once

#include <QString>

// Keeps a second till off the same database file: an exclusive lock on a
// companion file beside it (tavro.db.lock), held for the life of the program.
// The database file itself stays unlocked, so backups and the command-line
// tools still read it while the till runs. The kernel drops the lock when the
// process ends, however it ends.
class Dateisperre {
public:
    Dateisperre() = default;
    // Takes the lock of the database at `datenbank`; throws DbFehler naming
    // the file when another process holds it.
    explicit Dateisperre(const QString& datenbank);
    Dateisperre(Dateisperre&& andere) noexcept;
    Dateisperre& operator=(Dateisperre&& andere) noexcept;
    Dateisperre(const Dateisperre&) = delete;
    Dateisperre& operator=(const Dateisperre&) = delete;
    ~Dateisperre();

private:
    int m_datei = -1;
};
