#pragma once

#include <QJsonObject>
#include <QString>
#include <cstdint>
#include <optional>

#include "core/Geld.h"

class Datenbank;
class Kontext;

// Payment types, also the caption of the pay list's heading.
inline const QString kBar = QStringLiteral("BAR");
inline const QString kKarte = QStringLiteral("KARTE");
inline const QString kGutschein = QStringLiteral("GUTSCHEIN");
// Charged to a guest's room, shown with the room: "ZIMMER 101".
inline const QString kZimmer = QStringLiteral("ZIMMER");

// Kinds of settlement document, stored as the bill's Beleg.
inline const QString kKassenbon = QStringLiteral("Kassenbon");
inline const QString kRechnungBeleg = QStringLiteral("Rechnung");
inline const QString kKeinBon = QStringLiteral("kein Bon");

struct Gutschein {
    QString nummer;
    Geld betrag;
};

struct Zahlungsaufteilung {
    Geld bar;
    Geld karte;
    Geld gutschein;
    Geld zimmer;
};

// The split of a bill total by the payment type shown on the pay list ("BAR",
// "KARTE", "GUTSCHEIN" with or without "  Nr " and a number, or "ZIMMER" and
// the room, which is charged the whole bill). A voucher
// larger than the bill leaves a negative cash part: the change paid out.
Zahlungsaufteilung ZahlungAufteilen(const QString& zahlungsart, Geld gesamt, Geld gutschein);

// The heading of the pay list for a voucher.
QString GutscheinUeberschrift(const Gutschein& gutschein);

// Asks the voucher number and amount. The amount is asked again until it is a
// money amount that is not negative; an empty one counts as 0.
Gutschein GutscheinFragen(Kontext& k);
// The amount prompt alone, with the same checks.
Geld GutscheinBetragFragen(Kontext& k);

// A voucher above the bill leaves cash to pay out: the waiter confirms having
// paid it out before anything is stored. True when there is no change to pay
// out or the waiter said yes.
bool RueckgeldBestaetigen(Kontext& k, const Zahlungsaufteilung& teile);
inline const QString kRueckgeld = QStringLiteral("Rückgeld");

inline const QString kGutscheinTitel = QStringLiteral("Gutschein-Nr.");
inline const QString kGutscheinNrFrage = QStringLiteral("Geben Sie eine Gutschein-Nr. ein. ");
inline const QString kGutscheinBetragFrage = QStringLiteral("Geben Sie eine Gutschein-Betrag ein ");
inline const QString kGutscheinBetragFalsch = QStringLiteral(
    "Der Gutschein-Betrag ist kein gültiger Betrag. Bitte geben Sie ihn mit höchstens zwei "
    "Nachkommastellen und ohne Minus ein, z. B. 10,50.");

// The numbers a bill stored now gets: its bill number ("Rechnung Nr.", which
// starts again after a till closing) and the journal number of its entry
// ("Beleg-Nr.", which never does). Answered inside the write transaction,
// which from here on holds the journal's counter, so no other till can take
// them before this one's bill is stored.
struct Belegnummern {
    int rechnung = 0;
    std::int64_t beleg = 0;
};
Belegnummern BelegnummernVorhalten(Datenbank& db);

// Stores the bill made of every open line of (current station, table) under
// the next bill number and removes those lines, all in one transaction. For the
// pay list these are the lines of the current table only. The bill carries the
// current table, the logged-in staff member and the business day it was
// settled in; its lines keep theirs. The journal records the bill in the same
// transaction, with the TSE's answer `tse` when given. Answers the bill
// number, or nullopt when the table had no line (nothing is stored).
std::optional<int> RechnungDetails(Kontext& k, const QString& tisch, const QString& zahlungsart,
                                   const Gutschein& gutschein, const QString& beleg,
                                   const QJsonObject& tse = {});
