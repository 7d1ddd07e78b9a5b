#pragma once

#include <QString>

class Datenbank;
class Kontext;

// True only when a staff row of that name exists and its column named by the
// right key holds True. A missing row or an empty column answers false; a key
// that names no column shows the "Fehler" message and answers false.
bool RechteAbfrage(Kontext& k, const QString& mitarbeiter, const QString& schluessel);

// An action of the current waiter guarded by an ordinary right. A refusal shows
// the rights message.
bool RechtPruefen(Kontext& k, const QString& schluessel);

// A till action of the current waiter: allowed when the right is set and his
// till lock is not. A refusal shows the rights message.
bool KassenrechtPruefen(Kontext& k, const QString& schluessel);

// Is the current waiter's till lock set? Then every till action is refused.
bool KasseGesperrt(Kontext& k);

// Is there any open line with this table name (any station)?
bool TischBelegtAbfrage(Datenbank& db, const QString& tisch);

// Is there any open line of this table ordered by this staff member?
bool KellnerTischAbfrage(Datenbank& db, const QString& tisch, const QString& mitarbeiter);

// Does the staff row hold the administrator master key?
bool AdminKeyAbfrage(Datenbank& db, const QString& mitarbeiter);

// The generic refusal of every action guarded by an ordinary right.
inline const QString kKeineRechte =
    QStringLiteral("Sie haben nicht die nötigen Rechte, um diese Aktion auszuführen");
