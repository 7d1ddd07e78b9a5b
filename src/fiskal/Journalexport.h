#pragma once

#include <QString>

class Datenbank;

struct Exportbericht {
    bool geschrieben = false;
    QString meldung;  // what was written, or why nothing was
};

// Writes the journal's bills, their lines and the till closings of the
// business days `von` to `bis` (as typed, JJJJ-MM-TT) as CSV files into the
// folder: UTF-8, semicolon, decimal point, one header row. A bill shows the
// payment as last changed. A date that is no date, a range the wrong way
// round or a folder that cannot be written writes nothing.
Exportbericht JournalExportieren(Datenbank& db, const QString& ordner, const QString& von,
                                 const QString& bis);

// The files it writes.
inline const QString kExportRechnungen = QStringLiteral("Rechnungen.csv");
inline const QString kExportPositionen = QStringLiteral("Rechnungspositionen.csv");
inline const QString kExportAbschluesse = QStringLiteral("Kassenabschluesse.csv");
inline const QString kExportSteuersaetze = QStringLiteral("Kassenabschluss_Steuersaetze.csv");
