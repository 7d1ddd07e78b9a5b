#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class Datenbank;
class Kontext;

// The four ways the staff record window works.
enum class Karteimodus {
    MitarbeiterBearbeitenUneingeschrenkt,
    MitarbeiterBearbeitenNurPersoenlicheDaten,
    NeuerMitarbeiterUneingeschrenkt,
    NeuerMitarbeiterNurPersoenlicheDaten,
};

inline bool istNeu(Karteimodus m) {
    return m == Karteimodus::NeuerMitarbeiterUneingeschrenkt ||
           m == Karteimodus::NeuerMitarbeiterNurPersoenlicheDaten;
}
inline bool mitRechten(Karteimodus m) {
    return m == Karteimodus::MitarbeiterBearbeitenUneingeschrenkt ||
           m == Karteimodus::NeuerMitarbeiterUneingeschrenkt;
}

// What the record window shows and saves.
struct Kartei {
    QString vorname, nachname, strasse, ort, land, telefon, mobil, email, pin1, pin2;
    QStringList rechte;  // the right keys that are set
};

// The rights a member created with personal data only starts with.
inline const QStringList kStartrechteNurPersoenlicheDaten = {
    QStringLiteral("FremdeTische"), QStringLiteral("MENUSPERRE"),
    QStringLiteral("MitarbeiterVerwaltung"),
    QStringLiteral("MitarbeiterVerwaltungSeineKarteiPersoenlicheDaten")};

// The mode in which the current waiter may start the action; a refusal shows
// its message and answers nothing.
std::optional<Karteimodus> NeuerMitarbeiterModus(Kontext& k);
std::optional<Karteimodus> BearbeitenModus(Kontext& k, std::int64_t id);
inline const QString kAdminNichtLoeschen =
    QStringLiteral("Dieser Mitarbeiter besitzt Admin-Rechte und kann nicht gelöscht werden.");
inline const QString kNichtSichSelbst =
    QStringLiteral("Sie können Ihren eigenen Eintrag nicht löschen.");
inline const QString kPinZuKurz =
    QStringLiteral("Pin1 und Pin2 müssen mindestens 4 Stellen lang sein.");

// Deleting needs unrestricted staff rights and must leave somebody who can log
// in and somebody who can administer staff and close the till; the
// administrator and the current waiter himself are never deleted.
bool LoeschenErlaubt(Kontext& k, std::int64_t id);

Kartei KarteiLaden(Datenbank& db, std::int64_t id);

// "Speichern": checks the fields, the duplicates and the PINs' length, then writes by mode (id is
// the edited row; ignored for the new modes). An edit that takes the last
// member able to administer staff and close the till his rights is refused.
// Answers whether it was saved; a refusal shows its message and stores nothing.
bool KarteiSpeichern(Kontext& k, Karteimodus modus, std::int64_t id, const Kartei& kartei);

void MitarbeiterLoeschen(Kontext& k, std::int64_t id);
