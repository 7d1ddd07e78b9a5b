#pragma once

#include <QByteArray>
#include <QString>

// Each installation encrypts its database with a passphrase of its own, kept
// in a key file outside the data and backup folders: a backup on a USB stick
// is of no use without it. The file holds the passphrase on one line.

// $XDG_CONFIG_HOME/tavro/schluessel, by default ~/.config/tavro/schluessel.
QString StandardSchluesselpfad();

// The passphrase of the key file; throws DbFehler naming the file when it is
// missing, unreadable or empty.
QByteArray SchluesselLesen(const QString& pfad);

// Makes a key file with a new random passphrase, readable by its owner only.
// An existing key file is never overwritten (DbFehler).
QByteArray SchluesselAnlegen(const QString& pfad);
