#pragma once

#include <sqlcipher/sqlite3.h>

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/Dateisperre.h"
#include "core/DbFehler.h"
#include "core/Geld.h"
#include "core/Verbindung.h"

class Datenbank;

// The refusal of what only the encrypted file has (backups, its key, its pages).
inline const QString kNurMitDatei = QStringLiteral(
    "Das geht nur mit der Datenbankdatei. Eine Datenbank auf einem PostgreSQL-Server sichert "
    "dessen Verwalter mit pg_dump.");

// A prepared statement with bound values. Reads rows with naechste() and columns
// by name or position. Statements are cached by their text on the connection, so
// preparing the same SQL again is cheap.
class Abfrage {
public:
    Abfrage(Abfrage&& andere) noexcept;
    Abfrage(const Abfrage&) = delete;
    Abfrage& operator=(const Abfrage&) = delete;
    Abfrage& operator=(Abfrage&&) = delete;
    ~Abfrage();

    // Steps to the next row; false at the end. A statement that writes is run
    // completely by the first call.
    bool naechste();

    int spaltenzahl() const;
    QString spaltenname(int index) const;
    int spaltenindex(const QString& name) const;  // throws DbFehler for an unknown column

    bool istNull(int index) const;
    bool istNull(const QString& name) const { return istNull(spaltenindex(name)); }
    QString text(int index) const;
    QString text(const QString& name) const { return text(spaltenindex(name)); }
    // The column as UTF-8 text without a copy; valid until the next step.
    QByteArrayView utf8(int index) const;
    std::int64_t zahl(int index) const;
    std::int64_t zahl(const QString& name) const { return zahl(spaltenindex(name)); }
    Geld geld(int index) const { return Geld(zahl(index)); }
    Geld geld(const QString& name) const { return geld(spaltenindex(name)); }
    bool wahr(int index) const { return zahl(index) != 0; }
    bool wahr(const QString& name) const { return wahr(spaltenindex(name)); }
    QDate datum(int index) const;
    QDate datum(const QString& name) const { return datum(spaltenindex(name)); }
    double komma(int index) const { return m_anweisung->komma(index); }
    QVariant wert(int index) const;
    QVariant wert(const QString& name) const { return wert(spaltenindex(name)); }

private:
    friend class Datenbank;
    Abfrage(Datenbank& db, Anweisung* anweisung, bool ausCache);

    void binde(int index, std::nullptr_t);
    void binde(int index, const QString& wert);
    void binde(int index, const char* wert) { binde(index, QString::fromUtf8(wert)); }
    void binde(int index, std::int64_t wert);
    void binde(int index, int wert) { binde(index, static_cast<std::int64_t>(wert)); }
    void binde(int index, bool wert) { binde(index, static_cast<std::int64_t>(wert ? 1 : 0)); }
    void binde(int index, Geld wert) { binde(index, wert.cent()); }
    void binde(int index, const QDate& wert);
    void binde(int index, const QVariant& wert);
    template <typename T>
    void binde(int index, const std::optional<T>& wert) {
        if (wert)
            binde(index, *wert);
        else
            binde(index, nullptr);
    }

    Datenbank* m_db;
    Anweisung* m_anweisung;
    bool m_ausCache;  // otherwise owned by this query
    // The column names, read once per statement: a report reads them for every row.
    struct Spalten {
        QStringList namen;
        QHash<QString, int> index;  // by lower-case name
    };
    const Spalten& spalten() const;
    mutable std::unique_ptr<Spalten> m_spalten;
};

// SQLCipher encrypts and authenticates every page on its own, so the cost of
// reading, copying and checking a file goes with its number of pages: new
// files have 4 KiB pages. Files made before keep SQLCipher's former 1 KiB. The
// size is not stored in the clear; a connection finds it by trying both.
inline constexpr int kSeitengroesse = 4096;
inline constexpr int kFruehereSeitengroesse = 1024;

// On a connection whose key is set: reads the schema with page size `zuerst`,
// then with the other one. Answers SQLite's result of the last try
// (SQLITE_NOTADB for a wrong key or a damaged file). An empty file takes
// `zuerst`.
int SeitengroesseFinden(sqlite3* handle, int zuerst = kSeitengroesse);

// The one connection to the database, open for the life of the program: the
// encrypted file or a PostgreSQL server (see core/Verbindung.h). Every value
// reaches SQL as a bound parameter.
class Datenbank {
public:
  // Opens (or creates, readable by its owner only) the file, keys it and
  // proves the key by reading the schema. Throws DbFehler naming the file for
  // a wrong key, a damaged, empty, read-only or unopenable file, or a folder
  // that cannot be written. A new file gets pages of `seitengroesse`.
  static std::unique_ptr<Datenbank> oeffnen(const QString& pfad, const QByteArray& schluessel,
                                            int seitengroesse = kSeitengroesse);
  // Connects to a PostgreSQL database given by a libpq URI
  // (postgresql://USER@HOST[:PORT]/NAME?sslmode=…); the password comes from
  // ~/.pgpass or PGPASSWORD. Throws DbFehler naming the URI, its password masked.
  static std::unique_ptr<Datenbank> verbinden(const QString& uri);
  // Whether --datenbank names a server rather than a file.
  static bool istServeradresse(const QString& datenbank);
  // The checks oeffnen() makes before touching anything at `pfad`.
  static void pruefen(const QString& pfad);
  // Whether a file or folder may be written. The mode bits count too: root
  // passes every access check, yet a file made read-only is meant to stay so.
  static bool schreibbar(const QString& pfad);
  ~Datenbank();
  Datenbank(const Datenbank&) = delete;
  Datenbank& operator=(const Datenbank&) = delete;

  template <typename... Werte>
  Abfrage abfrage(const QString& sql, const Werte&... werte) {
      Abfrage a = vorbereiten(sql);
      int i = 0;
      (a.binde(++i, werte), ...);
      return a;
    }

    // Runs a statement that returns no rows; answers the number of rows changed.
    template <typename... Werte>
    int ausfuehren(const QString& sql, const Werte&... werte) {
        Abfrage a = abfrage(sql, werte...);
        a.naechste();
        return m_verbindung->geaendert();
    }

    // The first column of the first row as a number (a count, a sum); 0 when
    // there is no row.
    template <typename... Werte>
    std::int64_t zahl(const QString& sql, const Werte&... werte) {
        Abfrage a = abfrage(sql, werte...);
        return a.naechste() ? a.zahl(0) : 0;
    }

    // Runs several statements without parameters (schema scripts).
    void skript(const QString& sql);

    std::int64_t letzteId() { return m_verbindung->letzteId(); }
    const QString& pfad() const { return m_pfad; }
    // The folder of the till's own files (receipts, exports): the file's
    // folder, or for a server the user's data folder ($XDG_DATA_HOME/tavro).
    QString ordner() const;
    // The key the file was opened with, for a copy or a second connection.
    const QByteArray& schluessel() const { return m_schluessel; }
    // Encrypts the whole file anew under another key.
    void neuVerschluesseln(const QByteArray& schluessel);
    // The size of the file's pages (kSeitengroesse or kFruehereSeitengroesse).
    int seitengroesse();

    // The real columns of a table, in their order.
    QStringList spalten(const QString& tabelle);
    // A column name that comes from data, checked against the table and quoted
    // as an identifier; an unknown one throws DbFehler.
    QString spalteGeprueft(const QString& tabelle, const QString& spalte);
    static QString bezeichner(const QString& name);

    bool inTransaktion() const { return m_verbindung->inTransaktion(); }
    // Whether this is a database server rather than the file.
    bool istServer() const { return m_sqlite == nullptr; }
    // The file's own handle, for what only the file has (copying it page by
    // page, its key, its pages). On a server refused with a DbFehler saying so.
    sqlite3* handle() const;
    int schemaversion() { return m_verbindung->schemaversion(); }

    // Where the two engines' SQL differs: the days from one ISO date column to
    // another, as an integer; the day before an ISO date column, as ISO text.
    QString tageZwischen(const QString& von, const QString& bis) const;
    QString vortag(const QString& spalte) const;
    // An INSERT that replaces the row of the same key `schluessel`; `spalten`
    // names every column written, `quelle` is a SELECT or VALUES (…).
    QString ersetzen(const QString& tabelle, const QStringList& spalten, const QString& schluessel,
                     const QString& quelle) const;
    void schemaversionSetzen(int version) { m_verbindung->schemaversionSetzen(version); }

    // Notices of changes that other connections commit (see Verbindung::hoeren);
    // the file sends none. Tischmelder is the way the screens hear them.
    int hoeren(const QString& kanal, std::function<void()> melden) {
        return m_verbindung->hoeren(kanal, std::move(melden));
    }
    void aufhoeren(int nummer) { m_verbindung->aufhoeren(nummer); }
    int socket() const { return m_verbindung->socket(); }
    void abholen() { m_verbindung->abholen(); }

    // Keeps the lock of the file until the connection is closed.
    void sperreHalten(Dateisperre sperre) { m_sperre = std::move(sperre); }

private:
    friend class Abfrage;
    friend class Transaktion;
    Datenbank(std::unique_ptr<Verbindung> verbindung, sqlite3* datei, QString pfad,
              QByteArray schluessel);
    Abfrage vorbereiten(const QString& sql);
    void zurueckgeben(Anweisung* anweisung);
    // A connection the server dropped is made anew before the next action,
    // never inside one: the server has rolled back what the action wrote.
    void bereit();

    std::unique_ptr<Verbindung> m_verbindung;
    sqlite3* m_sqlite;  // the file's handle; none on a server
    QString m_pfad;
    QByteArray m_schluessel;
    std::unordered_map<QString, std::unique_ptr<Anweisung>> m_cache;
    QHash<Anweisung*, bool> m_inBenutzung;
    int m_sicherungspunkte = 0;
    int m_offeneTransaktionen = 0;  // guards begun and not yet ended
    Dateisperre m_sperre;  // released after the connection is closed
};

// One routine, one transaction: begins on construction, commits on bestaetigen(),
// rolls back when left without it (an exception). Nested guards become savepoints
// so a routine can call another routine.
class Transaktion {
public:
    explicit Transaktion(Datenbank& db);
    ~Transaktion();
    Transaktion(const Transaktion&) = delete;
    Transaktion& operator=(const Transaktion&) = delete;

    void bestaetigen();

private:
    Datenbank& m_db;
    QString m_sicherungspunkt;  // empty for the outermost guard
    bool m_offen = true;
};
