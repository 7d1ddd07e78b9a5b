#pragma once

class Kontext;

// Turns the current waiter's new lines of the open table into sent lines, after
// their tickets have printed. A line without extras joins the table's sent line
// of the same article and price; the others stay lines of their own. Every sent
// line is put under the table's waiter (the waiter of its first sent line, or
// the current one). New lines of other waiters stay new.
void TischNeuesGerichtLoeschen(Kontext& k);

// Moves every pending cancellation, of whatever table, into the permanent log
// once the cancellation tickets have printed; the time becomes that of moving.
void StornosTemporaerLoeschen(Kontext& k);

// Has the open table new lines of the current waiter?
bool TischNeuesGerichtPruefen(Kontext& k);
