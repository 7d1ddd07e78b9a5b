#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

// The seam between the database layer (Datenbank, Abfrage, Transaktion) and
// the engine underneath: the encrypted file (SqliteVerbindung) or a PostgreSQL
// server (PostgresVerbindung). Callers never see these classes; they write SQL
// in the subset both engines understand, with `?` or `?1`..`?N` for values.

// One prepared statement and, once run, its rows.
class Anweisung {
  public:
    enum class Typ { Null, Zahl, Komma, Text };

    virtual ~Anweisung() = default;

    // Parameters count from 1.
    virtual void bindeNull(int index) = 0;
    virtual void bindeText(int index, const QByteArray& utf8) = 0;
    virtual void bindeZahl(int index, std::int64_t wert) = 0;
    virtual void bindeKomma(int index, double wert) = 0;

    // Runs the statement on the first call, then steps through its rows.
    virtual bool naechste() = 0;
    // Ready to run again, without values bound.
    virtual void zuruecksetzen() = 0;

    virtual int spaltenzahl() const = 0;
    virtual QString spaltenname(int index) const = 0;
    virtual Typ typ(int index) const = 0;
    virtual QByteArrayView utf8(int index) const = 0;
    virtual std::int64_t zahl(int index) const = 0;
    virtual double komma(int index) const = 0;
};

class Verbindung {
  public:
    virtual ~Verbindung() = default;

    virtual std::unique_ptr<Anweisung> vorbereiten(const QString& sql) = 0;
    // Several statements without parameters (schema scripts).
    virtual void skript(const QString& sql) = 0;
    // Rows changed by the last statement that wrote.
    virtual int geaendert() const = 0;
    // The key the last INSERT gave its row.
    virtual std::int64_t letzteId() = 0;
    virtual bool inTransaktion() const = 0;
    // The statement that opens the outermost transaction.
    virtual QString beginn() const = 0;
    // The real columns of a table, in their order, spelled as created.
    virtual QStringList spalten(const QString& tabelle) = 0;
    // The schema version the database was brought to.
    virtual int schemaversion() = 0;
    virtual void schemaversionSetzen(int version) = 0;

    // A server can drop the connection (restarted, unplugged); the file cannot.
    virtual bool unterbrochen() const { return false; }
    // Connects again, as at the start; throws the refusal when it still fails.
    virtual void wiederverbinden() {}

    // Notices that other connections send on a channel when they commit
    // (PostgreSQL's LISTEN/NOTIFY); the file has none. `melden` is called for
    // every notice about this connection's schema, and after a reconnect, as
    // notices may have been missed meanwhile. Answers a number for aufhoeren().
    virtual int hoeren(const QString& /*kanal*/, std::function<void()> /*melden*/) { return 0; }
    virtual void aufhoeren(int /*nummer*/) {}
    // The socket that becomes readable when a notice arrives; -1 for none.
    virtual int socket() const { return -1; }
    // Reads what arrived on the socket and passes the notices on.
    virtual void abholen() {}
};
