#pragma once

#include <QString>
#include <optional>

class Datenbank;

// Settings of the installation by name (table Einstellungen), such as the
// folder backups go to or the till's serial number. Empty values count as
// unset.
std::optional<QString> EinstellungLesen(Datenbank& db, const QString& name);

// Stores `wert` under `name`, replacing what was there; runs in its own
// transaction, or in the caller's when one is open.
void EinstellungSchreiben(Datenbank& db, const QString& name, const QString& wert);
