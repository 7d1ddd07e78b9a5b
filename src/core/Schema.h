#pragma once

#include <QString>

class Datenbank;

// Brings a database file to the current schema version: a new file gets every
// table; an older one is upgraded in place, one step after the other, keeping
// every row.
void SchemaAktualisieren(Datenbank& db);

// Brings a file only up to the given version (SchemaAktualisieren goes all the way).
void SchemaBisVersion(Datenbank& db, int ziel);

// The version a file has once SchemaAktualisieren has run.
int SchemaVersion();

// Adds the access column of a station to Kellner (after the rights columns),
// unless it is there already.
void StationsspalteAnlegen(Datenbank& db, const QString& station);
