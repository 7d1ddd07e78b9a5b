#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "fiskal/Journalinhalte.h"

class Datenbank;
class Kontext;

// One entry of the staff list. Changes are stored by the row's key, so the
// list's order never decides whose row is written.
struct KellnerEintrag {
    std::int64_t id = 0;
    QString mitarbeiter;
    bool aktiv = false;           // Status "aktiviert"
    std::vector<bool> stationen;  // one per station access column, in column order
};

inline const QString kMindestensEinKellner =
    QStringLiteral("Es muss mindestes ein Kellner aktiv sein");
inline const QString kAdminNichtSperren =
    QStringLiteral("Dieser Mitarbeiter besitzt Admin-Rechte und kann nicht gesperrt werden.");
inline const QString kLetzterVerwalter = QStringLiteral(
    "Es muss mindestens ein aktiver Mitarbeiter bleiben, der die Mitarbeiter uneingeschränkt "
    "verwalten und den Kassenabschluss durchführen darf.");

// The station access columns of Kellner: every column after the rights.
QStringList Stationsspalten(Datenbank& db);

// Every staff member with lock state and station access, in key order.
std::vector<KellnerEintrag> ListViewKellnerFuelen(Datenbank& db);

// Locks (aktiv = false) or unlocks the entry after the rights checks and the
// second PIN, which is asked only once everything else allows the change.
// Answers whether the new state was stored.
bool SperreAendern(Kontext& k, std::int64_t id, bool aktiv, const std::function<bool()>& pin2);

// Flips the entry's access to the station and stores it at once (no second
// PIN). Answers the new state, or nothing when refused.
std::optional<bool> StationszugangUmschalten(Kontext& k, std::int64_t id, const QString& station);

// The Mitarbeiter of the row with this key (empty when there is none).
QString MitarbeiterName(Datenbank& db, std::int64_t id);

// Would the entry leave nobody able to log in if it were locked or removed?
bool LetzterAktiver(Datenbank& db, std::int64_t id);

// Is there an active member (other than the row with key `ausser`) who may
// administer every staff record and close the till? Without one, nobody could
// mend the staff list or end the business day.
bool VerwalterVorhanden(Datenbank& db, std::int64_t ausser = 0);

// Would locking or removing the entry take away the last such member? Shows
// kLetzterVerwalter when it would.
bool LetzterVerwalter(Kontext& k, std::int64_t id);

// Records, once written, what a change did to the staff member's row (rights,
// lock, station access, personal data) in the journal.
Stammdatenaenderung MitarbeiterAenderung(Datenbank& db, std::int64_t id);
