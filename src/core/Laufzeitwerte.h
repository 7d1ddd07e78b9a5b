#pragma once

#include <QString>

// The values every screen shares while the program runs.
struct Laufzeitwerte {
    QString kellner;  // Mitarbeiter of the logged-in staff member
    QString station;  // station on screen
    QString tisch;    // table being served
};
