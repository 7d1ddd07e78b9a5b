#pragma once

#include "core/Uhr.h"

// A clock that stands still where the test puts it.
class FesteUhr : public Uhr {
public:
    QDateTime jetzt() const override { return zeit; }
    void stellen(const QDate& tag, const QTime& uhrzeit) { zeit = QDateTime(tag, uhrzeit); }

    QDateTime zeit{QDate(2026, 12, 6), QTime(12, 0)};
};
