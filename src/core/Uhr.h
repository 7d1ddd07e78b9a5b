#pragma once

#include <QDateTime>

// Where the till reads the time. The program uses the system clock; tests set
// a fixed moment.
class Uhr {
public:
    virtual ~Uhr() = default;
    virtual QDateTime jetzt() const = 0;
};

class Systemuhr final : public Uhr {
public:
    QDateTime jetzt() const override { return QDateTime::currentDateTime(); }
};
