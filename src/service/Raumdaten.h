#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

class Datenbank;

// One table tile of a station's floor plan; position relative to the floor picture.
struct Tischposition {
    QString name;
    int oben = 0;
    int links = 0;
    int breite = 0;
    int hoehe = 0;
};

// Station names in ID order (a station's position is its place in this list, from 1).
QStringList StationenLesen(Datenbank& db);

// Captions of the administration areas in ID order.
QStringList VerwaltungLesen(Datenbank& db);

// The table tiles of a station, in the order they were stored.
std::vector<Tischposition> TischeLesen(Datenbank& db, const QString& station);

// Names of the station's tables that have open lines. A table counts as occupied
// by its name alone, exactly as the access check sees it, so a tile never looks
// free while opening it is refused as someone else's.
QSet<QString> BesetzteTischeLesen(Datenbank& db, const QString& station);
