#pragma once

#include <QString>
#include <QStringList>

class Kontext;

// The take-away station, told apart from eat-in by its exact name.
inline constexpr const char* kAusserHaus = "Außer Haus";

// Brings the AlleUmsaetze row of every date that still has stored bills up to
// date: the turnover of the bills already closed on that date plus the bills
// still stored, split into eat-in and take-away. Idempotent.
void UmsaetzeAktualisieren(Kontext& k);

// Deletes every stored bill with its lines, whatever its date; the next bill
// is number 1 again.
void RechnungenLoeschen(Kontext& k);

// The tables with open lines, as "Station Tisch".
QStringList OffeneTischeAuflisten(Kontext& k);

// The question before the till closing; it names the tables still open, whose
// lines the closing leaves where they are.
QString KassenabschlussFrage(Kontext& k);

// The data part of the till closing: the daily totals are brought up to date,
// the stored bills become the closed turnover of their dates (also per VAT
// rate), the journal records the closing with its totals (and so its Z-Nr.),
// and the bills are deleted, all in one transaction. The journal itself is
// never deleted.
void UmsaetzeAbschliessen(Kontext& k);
