#include "ui/widgets/Datumsfeld.h"

#include <QDateEdit>

QDateEdit* Datumsfeld(const char* objektname) {
    auto* d = new QDateEdit;
    d->setObjectName(QString::fromLatin1(objektname));
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    d->setMinimumHeight(56);
    return d;
}
