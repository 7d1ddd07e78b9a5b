#pragma once

#include <QString>

class Kontext;

// The new lines of the open table a send takes, on OffeneTische; binds the
// station, the table, the waiter and the course, in this order. Without a
// course: the current waiter's lines of no course (leaving the table); with
// one: every held line of that course, whoever entered it (calling it).
inline const QString kSendeBedingung = QStringLiteral(
    "Station = ?1 AND Tisch = ?2 AND TischDetails = 'Neu' AND "
    "((coalesce(?4, '') = '' AND Kellner = ?3 AND Gang IS NULL) OR Gang = ?4)");

// Turns the new lines a send takes into sent lines, after their tickets have
// printed. A line without extras joins the table's sent line of the same
// article, price and course; the others stay lines of their own. Every sent
// line is put under the table's waiter (the waiter of its first sent line, or
// the current one). New lines of other waiters and held courses stay new.
void TischNeuesGerichtLoeschen(Kontext& k, const QString& gang = QString());

// Moves every pending cancellation, of whatever table, into the permanent log
// once the cancellation tickets have printed; the time becomes that of moving.
void StornosTemporaerLoeschen(Kontext& k);

// Has the open table new lines of the current waiter, or a held course?
bool TischNeuesGerichtPruefen(Kontext& k);
