#pragma once

#include <QDate>
#include <QDateTime>

// The trading day runs from 04:00:00 to 04:00:00 of the next calendar day:
// before four in the morning it is still yesterday's business day.
inline QDate Geschaeftstag(const QDateTime& zeitpunkt) {
    const QDate tag = zeitpunkt.date();
    return zeitpunkt.time() < QTime(4, 0) ? tag.addDays(-1) : tag;
}
