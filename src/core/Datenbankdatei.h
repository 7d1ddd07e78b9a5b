#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class Datenbank;

// The password of the database file, a constant of the program.
inline const QByteArray kDatenbankKennwort = QByteArrayLiteral("kestra30817254q");

// tavro.db in the program's folder.
QString StandardDatenbankpfad();

// Opens the file with the program's password, brings its schema up to date and
// fills a new file with the demo installation. Throws DbFehler.
std::unique_ptr<Datenbank> DatenbankOeffnen(const QString& pfad);
