#pragma once

#include <QString>
#include <cstdint>

class Kontext;

// The keys of the job list. Each refuses with a message and changes nothing
// when the job is being printed right now (its outcome is not known yet).

// "Erneut drucken": a printed or failed job prints again; true when it waits now.
bool DruckauftragErneut(Kontext& k, std::int64_t id);
// "Auf anderen Drucker umleiten": the job, from now on, prints on the given
// printer and waits for it. Needs access to the administration.
bool DruckauftragUmleiten(Kontext& k, std::int64_t id, const QString& drucker);
// "Als PDF speichern": writes the job into the folder now, whatever its state,
// and answers the file; the job itself stays as it is. A file that cannot be
// written throws DbFehler.
QString DruckauftragAlsPdf(Kontext& k, std::int64_t id, const QString& ordner);

inline const QString kAuftragImDruck =
    QStringLiteral("Der Auftrag wird gerade gedruckt. Bitte warten Sie, bis er fertig ist.");
inline const QString kAuftragWartetSchon =
    QStringLiteral("Der Auftrag wartet schon auf den Drucker.");
