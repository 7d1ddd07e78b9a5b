#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class Datenbank;
class Dokument;
class Druckerausgang;

// The states of a job: waiting, being printed (when the till stops then, the
// outcome is unknown), printed, failed and waiting to be tried again.
inline const QString kAuftragWartet = QStringLiteral("wartet");
inline const QString kAuftragDruckt = QStringLiteral("druckt");
inline const QString kAuftragGedruckt = QStringLiteral("gedruckt");
inline const QString kAuftragFehler = QStringLiteral("Fehler");

struct Druckauftrag {
    std::int64_t id = 0;
    QString rolle;
    // Where it came out, or where it prints now: its redirection, its role's
    // choice or the default.
    QString drucker;
    QString titel;
    QString status;
    QString fehler;  // of the last failed try
    QDateTime angelegt;
    bool wiederholung = false;
    // For a job not printed: what keeps its printer (Druckerausgang::zustand).
    QString zustand;
};

struct Druckstand {
    int wartend = 0;   // not printed yet
    int gestoert = 0;  // of these, failed at least once
};

// Stores a document as a job of its role, in the caller's transaction: the
// job is there exactly when what it announces is.
void DruckauftragEinreihen(Datenbank& db, const QDateTime& jetzt, const Dokument& dokument);

// The printer a job of the role prints on.
QString DruckerDerRolle(Datenbank& db, const Druckerausgang& ausgang, const QString& rolle);

// At start: a job left being printed prints once more, marked "Wiederholung";
// printed jobs are kept a week for the list.
void DruckauftraegeNachStart(Datenbank& db, const QDate& heute);

// Prints every job not printed yet, in order of storing; with `nurDrucker`,
// only the jobs of that printer. A printer that fails keeps its job and every
// later job of its own, so its tickets come out in order once it is back; the
// others print on. `gemeldet` runs after every job. Answers the number printed.
int DruckauftraegeAbarbeiten(Datenbank& db, const Druckerausgang& ausgang,
                             const std::function<void()>& gemeldet = {},
                             const QString& nurDrucker = QString());

// The printers jobs wait for, in order of their first waiting job.
QStringList WartendeDrucker(Datenbank& db, const Druckerausgang& ausgang);

Druckstand DruckstandLesen(Datenbank& db);

// The jobs for the list: those not printed in order, then the printed ones, newest first.
std::vector<Druckauftrag> DruckauftraegeLesen(Datenbank& db, const Druckerausgang& ausgang);

// The stored document of a job as it would print now.
Dokument AuftragsdokumentLesen(Datenbank& db, std::int64_t id);
