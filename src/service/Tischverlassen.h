#pragma once

#include <QString>

#include "service/Bons.h"

class Kontext;

// Leaving the open table: prints the bar and kitchen cancellation tickets and
// moves the pending cancellations to the log, then prints the bar and kitchen
// tickets of the new lines and sends them. Each of the two steps is whole or not
// at all: when a ticket cannot be printed, the error is shown, that step's
// cancellations stay pending or its lines stay new (nothing reaches the log or
// counts as announced without its ticket) and the answer is false, so the
// waiter stays at the table and can try again. Tickets printed before the
// failure of the same step come out again on the retry.
// `thekenrolle` is the bar role as the caller writes it (compared without case).
bool TischVerlassen(Kontext& k, const QString& thekenrolle = kThekendrucker);

// Has the current waiter any line left on the open table of the current station?
// When not, the floor view shows the table as free.
bool EigeneZeilenAmTisch(Kontext& k);
