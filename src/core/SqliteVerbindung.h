#pragma once

#include <sqlcipher/sqlite3.h>

#include "core/Verbindung.h"

// The encrypted database file through SQLCipher.
class SqliteVerbindung : public Verbindung {
  public:
    // Takes over an open handle (closed with the connection).
    explicit SqliteVerbindung(sqlite3* handle) : m_handle(handle) {}
    ~SqliteVerbindung() override { sqlite3_close(m_handle); }
    SqliteVerbindung(const SqliteVerbindung&) = delete;
    SqliteVerbindung& operator=(const SqliteVerbindung&) = delete;

    std::unique_ptr<Anweisung> vorbereiten(const QString& sql) override;
    void skript(const QString& sql) override;
    int geaendert() const override { return sqlite3_changes(m_handle); }
    std::int64_t letzteId() override { return sqlite3_last_insert_rowid(m_handle); }
    bool inTransaktion() const override { return !sqlite3_get_autocommit(m_handle); }
    // Waits for a short write of a reader (backup, shell) instead of failing later.
    QString beginn() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    QStringList spalten(const QString& tabelle) override;
    int schemaversion() override;
    void schemaversionSetzen(int version) override;

    sqlite3* handle() const { return m_handle; }
    [[noreturn]] void werfen(int rc) const;

  private:
    sqlite3* m_handle;
};
