#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class Datenbank;

// The password every database file had before each installation got a key of
// its own; such files keep opening with it until the manager renews the key.
inline const QByteArray kDatenbankKennwort = QByteArrayLiteral("kestra30817254q");

// tavro.db in the program's folder; when that folder cannot be written (an
// installed program), tavro/tavro.db in the user's data folder
// ($XDG_DATA_HOME, by default ~/.local/share).
QString StandardDatenbankpfad(const QString& programmordner);

// Opens the file for this till alone (a second till on it is refused) with the
// passphrase of the key file (or, for an older file, the program's password),
// checks it and brings its schema up to date. A missing file is made whole,
// schema and demo installation, or not at all, under the key file's passphrase
// (a new key file when there is none). A missing or wrong key file for an
// existing file is refused naming it; nothing is created in its place. Throws
// DbFehler.
std::unique_ptr<Datenbank> DatenbankOeffnen(const QString& pfad, const QString& schluesselpfad);

// Opens an existing file with the passphrase of the key file or, for a file
// made before there were key files, the program's password; for tools that
// read a file beside the till (journal check and export). A missing or wrong
// key file is refused naming it. Throws DbFehler.
std::unique_ptr<Datenbank> DatenbankMitSchluessel(const QString& pfad,
                                                  const QString& schluesselpfad);
