#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <utility>

// SQL as the till writes it (SQLite's spelling), rewritten for PostgreSQL:
// - `?` and `?N` become `$N` (a bare `?` takes the largest number so far + 1,
//   as in SQLite);
// - identifiers in double quotes or brackets, and unquoted ones with letters
//   beyond ASCII ("AußerHaus", ZimmerEPÜ), are folded to lower case and quoted,
//   the way PostgreSQL folds plain ASCII names itself: every name is stored in
//   lower case;
// - column types: INTEGER becomes BIGINT (money is in cents), REAL DOUBLE
//   PRECISION, BLOB BYTEA, and `INTEGER PRIMARY KEY [AUTOINCREMENT]` an
//   identity column;
// - every CREATE TABLE with a column list gets a column `rowid`, which keeps
//   the order rows were added in as SQLite's implicit rowid does: the integer
//   key itself where the table has one, else a sequence. Results hide it as
//   SQLite hides its own.
// String literals are left as they are.
struct PostgresSql {
    QByteArray text;
    int parameter = 0;  // the highest $N
    // The identifiers the statement names, lower case to their spelling.
    QHash<QString, QString> schreibweisen;
    // Columns made by CREATE TABLE or ALTER TABLE … ADD COLUMN: (table, column)
    // as spelled there.
    QList<std::pair<QString, QString>> neueSpalten;
};

PostgresSql FuerPostgres(const QString& sql);
