#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "core/Datenbank.h"
#include "core/Kontext.h"
#include "support/FesteUhr.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

// For tests about the file itself (its key, pages, backups).
#define NUR_DATEI()          \
    if (DbTest::aufServer()) \
    GTEST_SKIP() << "Prüft die verschlüsselte Datei; ein Server hat keine Datei."

// For tests of what only a server has: other connections, a dropped connection.
#define NUR_SERVER()          \
    if (!DbTest::aufServer()) \
    GTEST_SKIP() << "Braucht einen PostgreSQL-Server: TAVRO_TEST_POSTGRES ist nicht gesetzt."

// Each test gets a fresh encrypted database with the full schema (no demo
// data), a clock at 06.12.2026 12:00, scripted dialogs and a capturing printer.
// When TAVRO_TEST_POSTGRES holds a URI, the database is instead a schema of
// its own on that server, dropped after the test.
class DbTest : public ::testing::Test {
  protected:
    DbTest();
    ~DbTest() override;

    // Where the database is: the file's path or the server's URI, for a
    // second connection through Datenbank::oeffnen.
    QString dateipfad() const;
    // Whether the tests run on a server rather than the file.
    static bool aufServer();

    // Builders for the rows a test needs. Rights may name stations made before.
    void kellner(const QString& name, const QString& pin1, const QString& pin2 = QString(),
                 const QStringList& rechte = {},
                 const QString& status = QStringLiteral("aktiviert"),
                 const QString& adminKey = QString());
    void station(const QString& name, const QStringList& tische = {});
    void artikel(const QString& plu, const QString& gericht, std::int64_t cent,
                 const QString& wg = QStringLiteral("Bier"),
                 const QString& idwg = QStringLiteral("Getränke"),
                 const QString& bondrucker = QStringLiteral("Thekendrucker"), bool extra = false);
    // Sets the VAT rate of an article as the catalogue holds it: text as typed ("19", "7,0", "").
    void steuersatz(const QString& plu, const QString& mwst);
    // A bare open line: enough to make a table occupied by a waiter.
    void offeneZeile(const QString& station, const QString& tisch, const QString& kellner);
    // Logs a staff member in as the current waiter and opens a table.
    void amTisch(const QString& kellner, const QString& station, const QString& tisch);
    // An order line of the open table for an article of the catalogue, as the
    // till writes it ("Alt": sent, "Neu": new); the waiter defaults to the
    // current one. Answers its ID.
    std::int64_t offeneZeile(const QString& plu, int menge,
                             const QString& tischDetails = QStringLiteral("Alt"),
                             const QString& kellner = QString());
    // The first column of every row a query answers, joined by `trenner`
    // (what SQLite's group_concat did, on either backend).
    QString text(const QString& sql, const QString& trenner = QStringLiteral(" "));
    std::int64_t zahl(const QString& sql);
    // Makes every INSERT, UPDATE or DELETE (`art`) on a table fail with
    // `meldung`, as a full disk would, until fehlerAusbauen.
    void fehlerEinbauen(const QString& art, const QString& tabelle, const QString& meldung);
    void fehlerAusbauen(const QString& tabelle);
    // Drops the triggers that keep journal entries as written, as whoever
    // tampers with the database would.
    void journalschutzAufheben();
    // A row of the room price list; a missing price is an empty column.
    void zimmerpreis(int zimmerNr, const QString& zimmerart, std::optional<std::int64_t> ue,
                     std::optional<std::int64_t> uef);

    QTemporaryDir ordner;
    QString m_schema;  // on a server
    std::unique_ptr<Datenbank> db;
    FesteUhr uhr;
    SkriptDialoge dialoge;
    SpeicherDrucker drucker;
    std::unique_ptr<Kontext> k;
};
