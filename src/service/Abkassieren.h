#pragma once

#include <QString>

#include "service/Rechnungsspeicher.h"

class Kontext;

// Settles the pay list of the current station with the chosen document
// ("Kassenbon", "Rechnung", "kein Bon") and payment type. The bill is stored
// first, in one transaction, and then printed: a printer failure shows the
// error and says that the bill is stored and can be reprinted, so a bill is
// never lost and never stored twice. A voucher above the bill is stored only
// once the waiter confirms having paid the change out. True when a bill was
// stored; false for an empty pay list, a missing right for invoices or change
// not confirmed (nothing stored, nothing printed).
bool Abkassieren(Kontext& k, const QString& beleg, const QString& zahlungsart,
                 const Gutschein& gutschein);

QString BelegNichtGedruckt(int regNr);
