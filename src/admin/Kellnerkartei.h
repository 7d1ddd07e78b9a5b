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
// Deleting needs unrestricted staff rights and must leave somebody who can log in.
bool LoeschenErlaubt(Kontext& k, std::int64_t id);

Kartei KarteiLaden(Datenbank& db, std::int64_t id);

// "Speichern": checks the fields and the duplicates, then writes by mode (id is
// the edited row; ignored for the new modes). Answers whether it was saved; a
// refusal shows its message and stores nothing.
bool KarteiSpeichern(Kontext& k, Karteimodus modus, std::int64_t id, const Kartei& kartei);

void MitarbeiterLoeschen(Kontext& k, std::int64_t id);
