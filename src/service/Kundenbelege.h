#pragma once

#include <QString>
#include <optional>

#include "ui/bericht/Dokument.h"

class Kontext;

// The receipt of the open lines of (current station, table), headed with the
// current station, table and waiter; nullopt when the table has no line. At
// settlement the table is the pay list while the header names the real table.
std::optional<Dokument> AbrechnungErzeugen(Kontext& k, const QString& tisch);
// The invoice of the same lines.
std::optional<Dokument> RechnungErzeugen(Kontext& k, const QString& tisch);

// True when the table has at least one line; prints the receipt only when the
// kind is "Kassenbon".
bool Abrechnung(Kontext& k, const QString& tisch, const QString& art);
// Prints the invoice when the table has lines; true when it had.
bool Rechnung(Kontext& k, const QString& tisch);
// Prints the interim bill of all lines of the open table, sent and new.
bool Zwischensumme(Kontext& k);

// Reprints of a stored bill: its stored lines, with the station, table and
// waiter stored with them, and the date of printing. True when the bill exists.
bool DruckeKassenbonVonUebersichtsrechnung(Kontext& k, int regNr);
bool DruckeRechnungVonUebersichtsrechnung(Kontext& k, int regNr);
