#pragma once

#include <QString>
#include <cstdint>

class Kontext;

// The longest note the kitchen ticket shows.
inline constexpr int kNotizLaenge = 60;

// A note to the kitchen ("ohne Zwiebeln") on one of the current waiter's new
// lines of the open table, printed under the line on its ticket; an empty
// note takes it away. Refuses a sent line, another's line and a note too long
// with a message, changing nothing. True when stored.
bool NotizSetzen(Kontext& k, std::int64_t zeilenId, const QString& notiz);

inline const QString kNotizNurNeu =
    QStringLiteral("Eine Notiz für die Küche gibt es nur an eigenen neuen Zeilen.");
inline const QString kNotizZuLang =
    QStringLiteral("Die Notiz ist zu lang: höchstens %1 Zeichen.").arg(kNotizLaenge);
