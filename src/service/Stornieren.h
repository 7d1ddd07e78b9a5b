#pragma once

#include <QString>
#include <cstdint>

class Kontext;

// Cancels all or part of one line (its ID) in the state the order panel shows
// (`modus` "Alt" or "Neu"); a line no longer in that state is left alone. When
// the line holds more than one, the quantity is asked on the numeric pad; a
// cancelled pad or a number outside 1 to the line's quantity changes nothing.
// A sent line's cancelled quantity is added to the open table's pending
// cancellation of the same article and price (or a new one); a new line is only
// reduced or deleted. True when something changed.
bool GerichtStornieren(Kontext& k, std::int64_t id, const QString& modus);

// Cancels a line together with its extras (its group, RegID) without asking:
// sent lines become pending cancellations keeping their waiter and amount,
// new lines are deleted without trace. True when something changed.
bool GruppeStornieren(Kontext& k, std::int64_t regId);

// Cancels every line of the open table (current station and table), group by
// group as GruppeStornieren does, in one transaction. True when something changed.
bool TischStornieren(Kontext& k);
