#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <cstdint>
#include <optional>

class Abfrage;
class Datenbank;
class Kontext;

// The journal: the till's record that is only ever appended to, in the same
// transaction as the event it records. Each entry has a number that never
// restarts, its time and business day, the terminal, its kind, the number of
// the till closing it belongs to (Z-Nr.; a closing's own entry carries its
// number, everything after it the next), the bill number where it concerns a
// bill, a canonical content text and its chain value (Journalkette).

// Kinds of entries.
inline const QString kJournalRechnung = QStringLiteral("Rechnung");
inline const QString kJournalStorno = QStringLiteral("Storno");
inline const QString kJournalAufHaus = QStringLiteral("Auf Haus");
inline const QString kJournalZahlart = QStringLiteral("Zahlart");
inline const QString kJournalNachdruck = QStringLiteral("Nachdruck");
inline const QString kJournalKassenabschluss = QStringLiteral("Kassenabschluss");
inline const QString kJournalArtikel = QStringLiteral("Artikel");
inline const QString kJournalMitarbeiter = QStringLiteral("Mitarbeiter");
inline const QString kJournalUmstellung = QStringLiteral("Umstellung");
// Lines sent to bar and kitchen on leaving a table.
inline const QString kJournalBestellung = QStringLiteral("Bestellung");
// The TSE's master data, once when it is first put in service; its outage and
// recovery; a transaction of the device that no entry of the till refers to.
inline const QString kJournalTseInbetriebnahme = QStringLiteral("TSE-Inbetriebnahme");
inline const QString kJournalTseAusfall = QStringLiteral("TSE-Ausfall");
inline const QString kJournalTseWiederaufnahme = QStringLiteral("TSE-Wiederaufnahme");
inline const QString kJournalTseAbbruch = QStringLiteral("TSE-Abbruch");
// A hotel bill written at check-out.
inline const QString kJournalHotelrechnung = QStringLiteral("Hotelrechnung");

// What the next entry gets: its number and its Z-Nr.
struct Journalstand {
    std::int64_t nr = 1;
    int zNr = 1;
};
Journalstand JournalStand(Datenbank& db);

// Appends an entry made at `zeit` on this terminal; the content is stored as
// compact JSON (keys sorted). Answers the entry's number. Must run inside the
// event's transaction, so that a failure here undoes the event.
std::int64_t JournalAnhaengen(Datenbank& db, const QDateTime& zeit, const QString& art,
                              const QJsonObject& inhalt, std::optional<int> regNr = std::nullopt);
// The entry of the upgrade that makes the journal, written before the
// counters of core/Zaehler.h exist.
void JournalBeginnen(Datenbank& db, const QDateTime& zeit, const QString& art,
                     const QJsonObject& inhalt);
std::int64_t JournalAnhaengen(Kontext& k, const QString& art, const QJsonObject& inhalt,
                              std::optional<int> regNr = std::nullopt);

// The name of this till ("--terminal", else the host name): the journal, the
// bills, the print jobs and the table leases carry it, and the foot bar shows it.
QString Kassenname();
// Set once at start. Answers why a name is refused (empty, over 30 characters,
// or with control characters), or nothing when it is taken.
std::optional<QString> KassennameSetzen(const QString& name);

// The current row of a query as a JSON object by column name: whole numbers
// stay numbers (amounts in cents), NULL stays null.
QJsonObject ZeileAlsJson(const Abfrage& a);

// The journal number of a stored bill's entry ("Beleg-Nr."), if it has one.
std::optional<std::int64_t> BelegnummerDerRechnung(Datenbank& db, int regNr);
