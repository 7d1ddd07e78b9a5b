#pragma once

#include <QString>

#include "service/Rechnungsspeicher.h"

class Kontext;

// Settles the pay list of the current station with the chosen document
// ("Kassenbon", "Rechnung", "kein Bon") and payment type. The bill and its
// document, handed to the till's printer (the print queue), are stored in one
// transaction: a bill is never lost, never stored twice, and never without its
// receipt. A bill charged to a room ("ZIMMER 101") is linked to the stay in
// house there and prints the slip the guest signs; a room without a guest in
// house is refused with a message. A voucher above the bill is stored only
// once the waiter confirms having paid the change out. True when a bill was
// stored; false for an empty pay list, a missing right for invoices or change
// not confirmed (nothing stored, nothing printed).
bool Abkassieren(Kontext& k, const QString& beleg, const QString& zahlungsart,
                 const Gutschein& gutschein);
