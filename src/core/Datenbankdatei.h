#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class Datenbank;

// The password of the database file, a constant of the program.
inline const QByteArray kDatenbankKennwort = QByteArrayLiteral("kestra30817254q");

// tavro.db in the program's folder; when that folder cannot be written (an
// installed program), tavro/tavro.db in the user's data folder
// ($XDG_DATA_HOME, by default ~/.local/share).
QString StandardDatenbankpfad(const QString& programmordner);

// Opens the file for this till alone (a second till on it is refused) with the
// program's password and brings its schema up to date. A missing file is made
// whole, schema and demo installation, or not at all. Throws DbFehler.
std::unique_ptr<Datenbank> DatenbankOeffnen(const QString& pfad);
