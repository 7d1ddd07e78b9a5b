#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

class Kontext;

// Courses: a line of a course is held back when the table is left and goes to
// kitchen and bar only when its course is called. A line of no course goes at
// once, as before; the course keys hold lines back, "Gang 1" too, so the
// kitchen starts a course when the waiter says so.
inline const QStringList kGaenge = {QStringLiteral("Gang 1"), QStringLiteral("Gang 2"),
                                    QStringLiteral("Gang 3"), QStringLiteral("Nachher")};

// Puts one of the current waiter's new lines of the open table, with its
// extras, into the course (empty: none, sent on leaving). Refuses a sent line
// and another's line with a message, changing nothing. True when stored.
bool GangSetzen(Kontext& k, std::int64_t zeilenId, const QString& gang);

// The courses with held lines on the open table, in serving order.
QStringList GehalteneGaenge(Kontext& k);

// Calls a held course of the open table: its kitchen and bar tickets, headed
// by the course, and its lines sent, whoever entered them, in one
// transaction, as leaving the table does. Refuses a course with no held line.
// When anything fails, the error is shown, nothing is stored and the answer
// is false.
bool GangAbrufen(Kontext& k, const QString& gang);

// "Gang abrufen": asks, course by course in serving order, which held course
// to call, and calls the first one answered yes. Without a held course it
// says so. True when a course was called.
bool GangAbrufenFragen(Kontext& k);

inline const QString kKeinGang = QStringLiteral("An diesem Tisch wartet kein Gang.");
inline const QString kGangFrage = QStringLiteral("%1 jetzt abrufen?");
inline const QString kGangNurNeu =
    QStringLiteral("Einem Gang zuordnen lassen sich nur eigene neue Zeilen.");
inline const QString kGangLeer = QStringLiteral("Für %1 wartet nichts mehr.");
