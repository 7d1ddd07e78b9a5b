#pragma once

#include <QDate>
#include <QDateTime>

// The trading day runs from 04:00:00 to 04:00:00 of the next calendar day:
// before four in the morning it is still yesterday's business day.
inline QDate Geschaeftstag(const QDateTime& zeitpunkt) {
    const QDate tag = zeitpunkt.date();
    return zeitpunkt.time() < QTime(4, 0) ? tag.addDays(-1) : tag;
}

// The moment a business day and a time of day stand for: a time before four
// in the morning lies on the next calendar day.
inline QDateTime Kalenderzeit(const QDate& geschaeftstag, const QTime& zeit) {
    return QDateTime(zeit < QTime(4, 0) ? geschaeftstag.addDays(1) : geschaeftstag, zeit);
}
