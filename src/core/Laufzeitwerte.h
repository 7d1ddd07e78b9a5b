#pragma once

#include <QDateTime>
#include <QString>

// The values every screen shares while the program runs.
struct Laufzeitwerte {
    QString kellner;  // Mitarbeiter of the logged-in staff member
    QString station;  // station on screen
    QString tisch;    // table being served
    QString gang;     // course of the lines entered now; empty: sent on leaving
};

// Wrong PINs at the login, kept for the life of the program.
struct Anmeldeversuche {
    int falschePins = 0;   // in a row
    QDateTime naechsteAb;  // no login is taken before this moment
};
