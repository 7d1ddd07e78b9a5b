#pragma once

#include <QString>

class Datenbank;
class Kontext;

// True only when a staff row of that name exists and its column named by the
// right key holds True. A missing row or an empty column answers false; a key
// that names no column shows the "Fehler" message and answers false.
bool RechteAbfrage(Kontext& k, const QString& mitarbeiter, const QString& schluessel);

// Is there any open line with this table name (any station)?
bool TischBelegtAbfrage(Datenbank& db, const QString& tisch);

// Is there any open line of this table ordered by this staff member?
bool KellnerTischAbfrage(Datenbank& db, const QString& tisch, const QString& mitarbeiter);

// Does the staff row hold the administrator master key?
bool AdminKeyAbfrage(Datenbank& db, const QString& mitarbeiter);

// The generic refusal of every action guarded by an ordinary right.
inline const QString kKeineRechte =
    QStringLiteral("Sie haben nicht die nötigen Rechte, um diese Aktion auszuführen");
