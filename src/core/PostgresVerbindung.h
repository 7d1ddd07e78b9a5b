#pragma once

#include <libpq-fe.h>

#include <QHash>
#include <vector>

#include "core/Verbindung.h"

// A PostgreSQL database through libpq. Statements are rewritten once when
// prepared (see core/PostgresSql.h) and sent with their values as text of
// unspecified type, so the server infers each type from where it stands.
//
// PostgreSQL keeps every name in lower case; callers and the journal see
// result columns spelled as the schema made them (RegNr, not regnr): a plain
// column by its table's spelling, kept in the table Schreibweisen whenever a
// script makes a column, anything else (an alias) as the statement wrote it.
// The refusal of an action while the server cannot be reached.
inline const QString kVerbindungUnterbrochen = QStringLiteral(
    "Die Verbindung zur Datenbank ist unterbrochen. Die Aktion wurde nicht gespeichert; bitte "
    "erneut versuchen, sobald der Server wieder läuft.");

class PostgresVerbindung : public Verbindung {
  public:
    // Throws DbFehler naming `uri` (any password masked) when the server
    // cannot be reached or refuses.
    explicit PostgresVerbindung(const QString& uri);
    ~PostgresVerbindung() override;
    PostgresVerbindung(const PostgresVerbindung&) = delete;
    PostgresVerbindung& operator=(const PostgresVerbindung&) = delete;

    std::unique_ptr<Anweisung> vorbereiten(const QString& sql) override;
    void skript(const QString& sql) override;
    int geaendert() const override { return m_geaendert; }
    std::int64_t letzteId() override;
    bool inTransaktion() const override;
    QString beginn() const override { return QStringLiteral("BEGIN"); }
    QStringList spalten(const QString& tabelle) override;
    int schemaversion() override;
    void schemaversionSetzen(int version) override;
    bool unterbrochen() const override { return PQstatus(m_pg) != CONNECTION_OK; }
    // Statements are prepared anew and channels listened to again.
    void wiederverbinden() override;
    int hoeren(const QString& kanal, std::function<void()> melden) override;
    void aufhoeren(int nummer) override;
    int socket() const override;
    void abholen() override;

    // The URI with its password, if any, as "***".
    static QString maskiert(const QString& uri);

    // For the statements of this connection.
    PGconn* verbindung() const { return m_pg; }
    void geaendertSetzen(int zeilen) { m_geaendert = zeilen; }
    // A column of a result as the schema spells it; `tabelle` is the result's
    // table (0 for an expression).
    QString schreibweise(Oid tabelle, const QString& spalte);
    [[noreturn]] void werfen(PGresult* ergebnis) const;
    // A name for the next prepared statement.
    QByteArray neuerName() { return "t" + QByteArray::number(++m_naechsterName); }
    // Runs one statement with text values; throws on failure.
    PGresult* ausfuehren(const QByteArray& sql, const QList<QByteArray>& werte = {});
    // Counts the connections made: a statement prepared on an earlier one is
    // prepared again.
    int verbindungsnummer() const { return m_verbindungsnummer; }
    // Passes on the notices that came with the last result.
    void verteilen();

  private:
    void lauschen(const QByteArray& kanal);
    void schreibweisenMerken(const QList<std::pair<QString, QString>>& spalten);

    struct Hoerer {
        int nummer;
        QByteArray kanal;
        std::function<void()> melden;
    };

    PGconn* m_pg;
    QByteArray m_schema;  // a notice names the schema whose table changed
    std::vector<Hoerer> m_hoerer;
    int m_naechsterHoerer = 0;
    int m_verbindungsnummer = 0;
    int m_geaendert = 0;
    int m_naechsterName = 0;
    QHash<QString, QString> m_schreibweisen;  // by "table.column" in lower case
    QHash<Oid, QString> m_tabellen;           // lower-case names by OID
};
