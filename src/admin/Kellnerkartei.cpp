#include "admin/Kellnerkartei.h"

#include "admin/Kellnerliste.h"
#include "core/Datenbank.h"
#include "core/Kontext.h"
#include "core/Rechte.h"
#include "core/Rechteschluessel.h"
#include "fiskal/Journal.h"

namespace {

const QString kUneingeschraenkt = QStringLiteral("MitarbeiterVerwaltungUneingeschrenkt");
const QString kAllePersoenlich = QStringLiteral("MitarbeiterVerwaltungAlleKarteiPersoenlicheDaten");
const QString kEigenePersoenlich =
    QStringLiteral("MitarbeiterVerwaltungSeineKarteiPersoenlicheDaten");
// Short PINs are guessed within the login's few free tries.
constexpr int kMindestePinlaenge = 4;

bool darf(Kontext& k, const QString& recht) { return RechteAbfrage(k, k.werte.kellner, recht); }

// "Vorname Nachname", or the one of them that is given.
QString zusammengesetzt(const QString& vorname, const QString& nachname) {
    if (vorname.isEmpty()) return nachname;
    if (nachname.isEmpty()) return vorname;
    return vorname + QLatin1Char(' ') + nachname;
}

bool felderFehlen(Kontext& k, const Kartei& kartei) {
    if (kartei.vorname.trimmed().isEmpty() && kartei.nachname.trimmed().isEmpty())
        k.dialoge.meldung(
            QStringLiteral("Es muss ein 'Vorname' oder 'Nachname' ins Feld eingegeben werden"));
    else if (kartei.pin1.isEmpty())
        k.dialoge.meldung(QStringLiteral("Es muss 'Pin1' ins Feld eingegeben werden"));
    else if (kartei.pin2.isEmpty())
        k.dialoge.meldung(QStringLiteral("Es muss 'Pin2' ins Feld eingegeben werden"));
    else
        return false;
    return true;
}

bool gibtEs(Datenbank& db, const QString& spalte, const QString& wert, std::int64_t ausser) {
    Abfrage a = db.abfrage(
        QStringLiteral("SELECT 1 FROM Kellner WHERE %1 = ? AND ID <> ? LIMIT 1").arg(spalte), wert,
        ausser);
    return a.naechste();
}

// Name and PINs must be unique among all other rows; the edited row itself is
// left out by its key, so keeping one's own PIN is no conflict.
bool doppelt(Kontext& k, bool neu, std::int64_t id, const QString& name, const Kartei& kartei) {
    const std::int64_t ausser = neu ? 0 : id;
    const QString nachsatz =
        neu ? QString() : QStringLiteral(". Bitte geben Sie erneut ein anderes Pin ein.");
    bool konflikt = false;
    auto pruefe = [&](const QString& spalte, const QString& wert, const QString& meldung) {
        if (!gibtEs(k.db, spalte, wert, ausser)) return;
        k.dialoge.meldung(meldung);
        konflikt = true;
    };
    pruefe(QStringLiteral("Mitarbeiter"), name,
           QStringLiteral("Dieser Mitarbeiter existiert bereits"));
    pruefe(QStringLiteral("Pin1"), kartei.pin1,
           QStringLiteral("Eintrag von Pin1 ist nicht erlaubt") + nachsatz);
    pruefe(QStringLiteral("Pin2"), kartei.pin2,
           QStringLiteral("Eintrag von Pin2 ist nicht erlaubt") + nachsatz);
    return konflikt;
}

void persoenlicheDatenSchreiben(Datenbank& db, std::int64_t id, const Kartei& kartei) {
    db.ausfuehren(
        QStringLiteral("UPDATE Kellner SET Nachname = ?, Vorname = ?, [Straße] = ?, Ort = ?, "
                       "Land = ?, Telefon = ?, Mobil = ?, Email = ?, Pin1 = ?, Pin2 = ? "
                       "WHERE ID = ?"),
        kartei.nachname.trimmed(), kartei.vorname.trimmed(), kartei.strasse, kartei.ort,
        kartei.land, kartei.telefon, kartei.mobil, kartei.email, kartei.pin1, kartei.pin2, id);
}

// Every right by its column name, set or cleared. The values are the program's
// own 0 and 1, never typed text.
void rechteSchreiben(Datenbank& db, std::int64_t id, const QStringList& gesetzt) {
    QStringList zuweisungen;
    for (const QString& recht : Rechte::alle())
        zuweisungen << Datenbank::bezeichner(recht) + (gesetzt.contains(recht) ? " = 1" : " = 0");
    db.ausfuehren(QStringLiteral("UPDATE Kellner SET %1 WHERE ID = ?").arg(zuweisungen.join(", ")),
                  id);
}

std::int64_t neueZeile(Datenbank& db) {
    db.ausfuehren(QStringLiteral(
        "INSERT INTO Kellner (Mitarbeiter, Nachname, Vorname, [Straße], Ort, Land, Telefon, Mobil, "
        "Email, Pin1, Pin2, Status, AdminKey) VALUES ('', '', '', '', '', '', '', '', '', '', '', "
        "'', '')"));
    return db.letzteId();
}

}  // namespace

std::optional<Karteimodus> NeuerMitarbeiterModus(Kontext& k) {
    if (darf(k, kUneingeschraenkt)) return Karteimodus::NeuerMitarbeiterUneingeschrenkt;
    if (darf(k, kAllePersoenlich)) return Karteimodus::NeuerMitarbeiterNurPersoenlicheDaten;
    k.dialoge.meldung(kKeineRechte);
    return std::nullopt;
}

std::optional<Karteimodus> BearbeitenModus(Kontext& k, std::int64_t id) {
    if (darf(k, kUneingeschraenkt)) return Karteimodus::MitarbeiterBearbeitenUneingeschrenkt;
    const QString eintrag = MitarbeiterName(k.db, id);
    const bool eigener = eintrag == k.werte.kellner;
    // Whoever may change another's PIN could log in as him: an entry with
    // unrestricted staff rights is only edited by its owner or an equal.
    const bool erreichbar = eigener || !RechteAbfrage(k, eintrag, kUneingeschraenkt);
    if (erreichbar && (darf(k, kAllePersoenlich) || (eigener && darf(k, kEigenePersoenlich))))
        return Karteimodus::MitarbeiterBearbeitenNurPersoenlicheDaten;
    k.dialoge.meldung(kKeineRechte);
    return std::nullopt;
}

bool LoeschenErlaubt(Kontext& k, std::int64_t id) {
    const QString eintrag = MitarbeiterName(k.db, id);
    if (!darf(k, kUneingeschraenkt))
        k.dialoge.meldung(kKeineRechte);
    else if (LetzterAktiver(k.db, id))
        k.dialoge.meldung(kMindestensEinKellner);
    else if (AdminKeyAbfrage(k.db, eintrag))
        k.dialoge.meldung(kAdminNichtLoeschen);
    else if (eintrag == k.werte.kellner)
        k.dialoge.meldung(kNichtSichSelbst);
    else
        return !LetzterVerwalter(k, id);
    return false;
}

Kartei KarteiLaden(Datenbank& db, std::int64_t id) {
    const QStringList rechte = Rechte::alle();
    QStringList spalten;
    for (const QString& r : rechte) spalten << Datenbank::bezeichner(r);
    Abfrage a =
        db.abfrage(QStringLiteral("SELECT Vorname, Nachname, [Straße], Ort, Land, Telefon, Mobil, "
                                  "Email, Pin1, Pin2, %1 FROM Kellner WHERE ID = ?")
                       .arg(spalten.join(", ")),
                   id);
    Kartei kartei;
    if (!a.naechste()) return kartei;
    kartei = {a.text(0), a.text(1), a.text(2), a.text(3), a.text(4), a.text(5),
              a.text(6), a.text(7), a.text(8), a.text(9), {}};
    for (int i = 0; i < rechte.size(); ++i)
        if (a.wahr(10 + i)) kartei.rechte << rechte[i];
    return kartei;
}

bool KarteiSpeichern(Kontext& k, Karteimodus modus, std::int64_t id, const Kartei& kartei) {
    if (felderFehlen(k, kartei)) return false;
    const QString name = zusammengesetzt(kartei.vorname.trimmed(), kartei.nachname.trimmed());
    if (doppelt(k, istNeu(modus), id, name, kartei)) return false;
    if (kartei.pin1.size() < kMindestePinlaenge || kartei.pin2.size() < kMindestePinlaenge) {
        k.dialoge.meldung(kPinZuKurz);
        return false;
    }

    Transaktion t(k.db);
    const bool verwalterVorher = VerwalterVorhanden(k.db);
    const QString bisher = istNeu(modus) ? QString() : MitarbeiterName(k.db, id);
    const std::int64_t zeile = istNeu(modus) ? neueZeile(k.db) : id;
    Stammdatenaenderung aenderung = MitarbeiterAenderung(k.db, zeile);
    persoenlicheDatenSchreiben(k.db, zeile, kartei);
    if (modus != Karteimodus::MitarbeiterBearbeitenNurPersoenlicheDaten) {
        k.db.ausfuehren(QStringLiteral("UPDATE Kellner SET Mitarbeiter = ? WHERE ID = ?"), name,
                        zeile);
        // The tabs of the personal-data-only mode are hidden: its rights are fixed.
        rechteSchreiben(k.db, zeile,
                        modus == Karteimodus::NeuerMitarbeiterNurPersoenlicheDaten
                            ? kStartrechteNurPersoenlicheDaten
                            : kartei.rechte);
    }
    if (verwalterVorher && !VerwalterVorhanden(k.db)) {
        k.dialoge.meldung(kLetzterVerwalter);
        return false;  // the guard rolls the change back
    }
    aenderung.journalieren(k, kJournalMitarbeiter);
    t.bestaetigen();
    // A waiter who renamed himself stays the current waiter under his new name.
    if (!bisher.isEmpty() && bisher == k.werte.kellner &&
        modus == Karteimodus::MitarbeiterBearbeitenUneingeschrenkt)
        k.werte.kellner = name;
    return true;
}

void MitarbeiterLoeschen(Kontext& k, std::int64_t id) {
    Transaktion t(k.db);
    Stammdatenaenderung aenderung = MitarbeiterAenderung(k.db, id);
    k.db.ausfuehren(QStringLiteral("DELETE FROM Kellner WHERE ID = ?"), id);
    aenderung.journalieren(k, kJournalMitarbeiter);
    t.bestaetigen();
}
