#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>

#include "core/Geld.h"

class Abfrage;

// States of an order line: entered on the terminal, or announced to kitchen and bar.
inline const QString kNeu = QStringLiteral("Neu");
inline const QString kAlt = QStringLiteral("Alt");
inline const QString kJa = QStringLiteral("Ja");
inline const QString kNein = QStringLiteral("Nein");
inline const QString kGetraenke = QStringLiteral("Getränke");

// One row of OffeneTische (and of the two cancellation tables, which share its columns).
struct Tischzeile {
    std::int64_t id = 0;
    std::int64_t regId = 0;
    QString station;
    QString tisch;
    QString kellner;
    QString tischDetails;
    QString plu;
    QString pluId;
    QString gericht;
    std::int64_t menge = 0;
    QString mengeText;
    Geld epreis;
    Geld gpreis;
    QString extra;
    QString kommentar;
    QString idwg;
    QString wg;
    QString stationsdrucker;
    QString bondrucker;
    QDate datum;
    QString zeit;
    int mwstSatz = 0;  // hundredths of a percent
    QString notiz;     // to the kitchen
    QString gang;      // the course; a new line of a course is held back

    // A new line of a course waits for the course to be called.
    bool gehalten() const { return tischDetails == kNeu && !gang.isEmpty(); }

    static Tischzeile lesen(const Abfrage& a);
    bool operator==(const Tischzeile&) const = default;
};

// "3x": the quantity as shown and printed.
inline QString MengeText(std::int64_t menge) { return QString::number(menge) + QLatin1Char('x'); }

// Time of an entry, and the shorter one a cancellation carries.
inline QString Eintragszeit(const QDateTime& jetzt) {
    return jetzt.time().toString(QStringLiteral("HH:mm:ss"));
}
inline QString Stornozeit(const QDateTime& jetzt) {
    return jetzt.time().toString(QStringLiteral("HH:mm"));
}
