#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

#include "core/Geld.h"
#include "service/Rechnungsspeicher.h"
#include "ui/bericht/Dokument.h"

class Kontext;

// The receipt of the open lines of (current station, table), headed with the
// current station, table and waiter, closing with each payment type used and
// its amount (and the change of a voucher above the bill); nullopt when the
// table has no line. At settlement the table is the pay list while the header
// names the real table. The bill's numbers are printed when given, and so is
// its TSE object (the signature with its QR code, or the device's failure).
std::optional<Dokument> AbrechnungErzeugen(Kontext& k, const QString& tisch,
                                           const QString& zahlungsart, Geld gutschein,
                                           const Belegnummern& nummern = {},
                                           const QJsonObject& tse = {});
// The invoice of the same lines.
std::optional<Dokument> RechnungErzeugen(Kontext& k, const QString& tisch,
                                         const QString& zahlungsart, Geld gutschein,
                                         const Belegnummern& nummern = {},
                                         const QJsonObject& tse = {});

// True when the table has at least one line; prints the receipt only when the
// kind is "Kassenbon".
bool Abrechnung(Kontext& k, const QString& tisch, const QString& art);
// Prints the invoice when the table has lines; true when it had.
bool Rechnung(Kontext& k, const QString& tisch);
// Prints the interim bill of all lines of the open table, sent and new.
bool Zwischensumme(Kontext& k);

// Reprints of a stored bill, marked "Kopie": its stored lines with the station,
// table and waiter stored with them, its payment, its numbers and the date and
// time it was settled, and the TSE data its journal entry keeps. The journal
// records each reprint. True when the bill
// exists.
bool DruckeKassenbonVonUebersichtsrechnung(Kontext& k, int regNr);
bool DruckeRechnungVonUebersichtsrechnung(Kontext& k, int regNr);
