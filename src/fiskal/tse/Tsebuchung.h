#pragma once

#include <QJsonObject>
#include <QString>
#include <cstdint>

class Datenbank;
class Kontext;

// The setting that selects the till's TSE; "Simulation" when unset.
inline const QString kEinstellungTse = QStringLiteral("TSE");

// One event signed by the TSE: the object its journal entry keeps under
// "TSE" (the device's answer, or {"Ausfall": reason} when it failed or did not
// answer in time); empty when the till has no device.
struct Tsesignatur {
    QJsonObject tse;
    std::int64_t transaktionNr = 0;  // 0 when nothing was signed
};

// Starts and finishes one transaction on the device. Runs before the event's
// own transaction opens: the device counts whether or not the till commits,
// and a device that does not answer never holds the till's file.
Tsesignatur TseSignieren(Kontext& k, const QString& prozesstyp, const QString& prozessdaten);

// Inside the event's transaction, before its entry: journals the outage
// ("TSE-Ausfall", once per outage) or the recovery ("TSE-Wiederaufnahme")
// this signature shows and marks its device transaction as booked. Answers
// what the entry keeps under "TSE".
QJsonObject TseVermerken(Kontext& k, const Tsesignatur& signatur);

// Adds the "TSE" object to an entry's content unless it is empty.
void TseAnfuegen(QJsonObject& inhalt, const QJsonObject& tse);

// Both, then appends the event's entry of kind `art` with them.
void JournalMitTse(Kontext& k, const QString& art, QJsonObject inhalt, const Tsesignatur& signatur);

// Whether the journal's last word on the device is an outage.
bool TseImAusfall(Datenbank& db);

// At start: journals the device's master data once ("TSE-Inbetriebnahme")
// and each of its transactions that no entry refers to ("TSE-Abbruch"): a
// run killed between the device's answer and the till's commit. A device
// that does not answer is left for the next start.
void TseNachStart(Kontext& k);
