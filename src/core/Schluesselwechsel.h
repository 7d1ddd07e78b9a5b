#pragma once

#include <QString>

class Kontext;

// "Schlüssel erneuern": a file still under the program's password is encrypted
// anew with the installation's own passphrase (from the key file, or a new key
// file). Only after a backup under the old key has been written; only for the
// holder of the master key. True when the file now has its own key.
bool SchluesselErneuern(Kontext& k, const QString& schluesselpfad);

// "Notfallblatt drucken": the passphrase, where the key file and the database
// lie, and how to put the key file back, on an A4 sheet for the safe. Only for
// the holder of the master key.
void NotfallblattDrucken(Kontext& k, const QString& schluesselpfad);

inline const QString kEigenerSchluesselVorhanden =
    QStringLiteral("Die Datenbank hat bereits einen eigenen Schlüssel.");
inline const QString kSchluesselErneuert = QStringLiteral(
    "Die Datenbank ist jetzt mit dem eigenen Schlüssel dieser Kasse verschlüsselt. Drucken Sie "
    "das Notfallblatt und bewahren Sie es sicher auf.");
inline const QString kNurMitHauptschluessel =
    QStringLiteral("Nur der Inhaber des Hauptschlüssels darf den Schlüssel verwalten.");
