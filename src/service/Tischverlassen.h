#pragma once

#include <QString>

#include "service/Bons.h"

class Kontext;

// Leaving the open table: the bar and kitchen cancellation tickets, the
// pending cancellations moved to the log, the bar and kitchen tickets of the
// waiter's new lines and those lines sent, all in one transaction. The till's
// printer is the print queue, so the tickets are stored as jobs with what they
// announce and the waiter leaves at once, whatever the printers do. When
// anything fails, the error is shown, nothing is stored and the answer is
// false: the waiter stays at the table and can try again.
// `thekenrolle` is the bar role as the caller writes it (compared without case).
bool TischVerlassen(Kontext& k, const QString& thekenrolle = kThekendrucker);

// Has the current waiter any line left on the open table of the current station?
// When not, the floor view shows the table as free.
bool EigeneZeilenAmTisch(Kontext& k);
