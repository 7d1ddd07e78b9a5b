#pragma once

#include <QString>

// One till of the multi-till test, run as a process of its own against the
// shared server. It answers the parent on stdout, one line per message:
//   BEREIT                         connected, TSE started
//   STREIT gewonnen|verloren TEXT  after "LOS": its try for the contested table
//   ERGEBNIS bills cents lines     after "WEITER": the tables it settled
//   FEHLER TEXT                    anything the till showed or threw
//   ZEIT ms                        in measuring mode: one settlement's writer
// and reads "LOS" and "WEITER" on stdin between the steps.
int KasseLaufen(const QString& datenbank, int nummer, int tische);

// Measuring mode: the settlement writer for a table of 50 lines, `runden`
// times, after "LOS"; prints a ZEIT line per settlement.
int KasseMessen(const QString& datenbank, int nummer, int runden);

// Takes the lease of the table "Absturz", says BEREIT and waits to be killed.
int TischHalten(const QString& datenbank, int nummer);

// The key file beside a file database; a server needs none.
QString Kassenschluessel(const QString& datenbank);

// The name of till `nummer`, as its bills and leases store it.
QString Kassenbezeichnung(int nummer);
