#include "admin/Kellnerliste.h"

#include <algorithm>

#include "core/Datenbank.h"
#include "core/Kontext.h"
#include "core/Rechte.h"
#include "core/Rechteschluessel.h"
#include "fiskal/Journal.h"

namespace {

const QString kAktiviert = QStringLiteral("aktiviert");
const QString kUneingeschraenkt = QStringLiteral("MitarbeiterVerwaltungUneingeschrenkt");

// Without unrestricted staff rights, an entry that has them is out of reach.
bool eintragErreichbar(Kontext& k, const QString& eintrag) {
    return RechteAbfrage(k, k.werte.kellner, kUneingeschraenkt) ||
           !RechteAbfrage(k, eintrag, kUneingeschraenkt);
}

bool gespeichert(Datenbank& db, const QString& spalte, std::int64_t id) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT %1 FROM Kellner WHERE ID = ?").arg(spalte), id);
    return a.naechste() && a.wahr(0);
}

}  // namespace

QStringList Stationsspalten(Datenbank& db) {
    const QStringList spalten = db.spalten(QStringLiteral("Kellner"));
    return spalten.mid(spalten.indexOf(Rechte::alle().last()) + 1);
}

std::vector<KellnerEintrag> ListViewKellnerFuelen(Datenbank& db) {
    const QStringList stationen = Stationsspalten(db);
    QString sql = QStringLiteral("SELECT ID, Mitarbeiter, Status");
    for (const QString& s : stationen) sql += QStringLiteral(", ") + Datenbank::bezeichner(s);
    Abfrage a = db.abfrage(sql + QStringLiteral(" FROM Kellner ORDER BY ID"));
    std::vector<KellnerEintrag> liste;
    while (a.naechste()) {
        KellnerEintrag e{a.zahl(0), a.text(1), a.text(2) == kAktiviert, {}};
        for (int i = 0; i < stationen.size(); ++i) e.stationen.push_back(a.wahr(3 + i));
        liste.push_back(std::move(e));
    }
    return liste;
}

QString MitarbeiterName(Datenbank& db, std::int64_t id) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT Mitarbeiter FROM Kellner WHERE ID = ?"), id);
    return a.naechste() ? a.text(0) : QString();
}

bool LetzterAktiver(Datenbank& db, std::int64_t id) {
    Abfrage a =
        db.abfrage(QStringLiteral("SELECT 1 FROM Kellner WHERE Status = ? AND ID <> ? LIMIT 1"),
                   kAktiviert, id);
    return !a.naechste();
}

bool VerwalterVorhanden(Datenbank& db, std::int64_t ausser) {
    Abfrage a =
        db.abfrage(QStringLiteral("SELECT 1 FROM Kellner WHERE Status = ? AND ID <> ? "
                                  "AND COALESCE(MitarbeiterVerwaltung, 0) <> 0 "
                                  "AND COALESCE(MitarbeiterVerwaltungUneingeschrenkt, 0) <> 0 "
                                  "AND COALESCE(Kassenabschluss, 0) <> 0 AND COALESCE(%1, 0) = 0 "
                                  "AND COALESCE(%2, 0) = 0 LIMIT 1")
                       .arg(Datenbank::bezeichner(Rechte::kMenusperre),
                            Datenbank::bezeichner(Rechte::kVerwaltungssperre)),
                   kAktiviert, ausser);
    return a.naechste();
}

bool LetzterVerwalter(Kontext& k, std::int64_t id) {
    if (!VerwalterVorhanden(k.db) || VerwalterVorhanden(k.db, id)) return false;
    k.dialoge.meldung(kLetzterVerwalter);
    return true;
}

bool SperreAendern(Kontext& k, std::int64_t id, bool aktiv, const std::function<bool()>& pin2) {
    const QString eintrag = MitarbeiterName(k.db, id);
    // The administrator is never locked out, whoever tries.
    if (AdminKeyAbfrage(k.db, eintrag)) {
        k.dialoge.meldung(kAdminNichtSperren);
        return false;
    }
    const bool darf = RechteAbfrage(k, k.werte.kellner, kUneingeschraenkt) ||
                      RechteAbfrage(k, k.werte.kellner, QStringLiteral("AndereMitarbeiterSperren"));
    if (!darf || !eintragErreichbar(k, eintrag)) {
        k.dialoge.meldung(kKeineRechte);
        return false;
    }
    if (!aktiv && LetzterAktiver(k.db, id)) {
        k.dialoge.meldung(kMindestensEinKellner);
        return false;
    }
    if (!aktiv && LetzterVerwalter(k, id)) return false;
    if (!pin2()) return false;
    Transaktion t(k.db);
    Stammdatenaenderung aenderung = MitarbeiterAenderung(k.db, id);
    k.db.ausfuehren(QStringLiteral("UPDATE Kellner SET Status = ? WHERE ID = ?"),
                    aktiv ? kAktiviert : QStringLiteral("deaktiviert"), id);
    aenderung.journalieren(k, kJournalMitarbeiter);
    t.bestaetigen();
    return true;
}

std::optional<bool> StationszugangUmschalten(Kontext& k, std::int64_t id, const QString& station) {
    if (!RechteAbfrage(k, k.werte.kellner, QStringLiteral("StationAktivierenDeaktivieren")) ||
        !eintragErreichbar(k, MitarbeiterName(k.db, id))) {
        k.dialoge.meldung(kKeineRechte);
        return std::nullopt;
    }
    const QStringList spalten = Stationsspalten(k.db);
    const auto gefunden = std::find_if(spalten.begin(), spalten.end(), [&](const QString& s) {
        return s.compare(station, Qt::CaseInsensitive) == 0;
    });
    if (gefunden == spalten.end())
        throw DbFehler(
            3265, QStringLiteral("Die Station '%1' hat keine Spalte in Kellner.").arg(station));
    const QString spalte = Datenbank::bezeichner(*gefunden);
    Transaktion t(k.db);
    Stammdatenaenderung aenderung = MitarbeiterAenderung(k.db, id);
    const bool neu = !gespeichert(k.db, spalte, id);
    k.db.ausfuehren(QStringLiteral("UPDATE Kellner SET %1 = ? WHERE ID = ?").arg(spalte), neu, id);
    aenderung.journalieren(k, kJournalMitarbeiter);
    t.bestaetigen();
    return neu;
}

Stammdatenaenderung MitarbeiterAenderung(Datenbank& db, std::int64_t id) {
    return Stammdatenaenderung(db, QStringLiteral("Kellner"), QStringLiteral("ID"),
                               QVariant::fromValue<qlonglong>(id));
}
