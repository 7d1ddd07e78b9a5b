#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

#include "core/Datenbank.h"

// An open line as a test needs it; defaults make a sent Pils at 3,50 on
// table 5 of the Gastraum. An extra line has an empty plu and its own pluId.
struct Posten {
    QString station = QStringLiteral("Gastraum");
    QString tisch = QStringLiteral("5");
    QString herkunft;  // on the pay list: the table the line comes from
    QString plu = QStringLiteral("1");
    QString pluId;  // defaults to plu
    QString gericht = QStringLiteral("Pils");
    int menge = 1;
    std::int64_t cent = 350;
    QString idwg = QStringLiteral("Getränke");
    QString details = QStringLiteral("Alt");
    QString extra = QStringLiteral("Nein");
    QString kellner = QStringLiteral("Tom");
    std::int64_t regId = 0;  // 0: its own ID
    QDate datum{2026, 12, 6};
    int mwst = 1900;  // hundredths of a percent

    // The same line on the pay list of its table, as settlement puts it there.
    Posten aufZahlliste() const {
        Posten p = *this;
        p.herkunft = tisch;
        p.tisch = QStringLiteral("Zahlen");
        return p;
    }
};

inline std::int64_t PostenAnlegen(Datenbank& db, const Posten& p) {
    db.ausfuehren(
        QStringLiteral(
            "INSERT INTO OffeneTische (RegID, Station, Tisch, Kellner, TischDetails, PLU, PLU_ID, "
            "Gericht, Menge, Menge_Text, EPREIS, GPREIS, Extra, Kommentar, IDWG, WG, "
            "Stationsdrucker, Bondrucker, Datum, Zeit, Herkunft, MwStSatz) VALUES (?, ?, ?, ?, ?, "
            "?, ?, ?, ?, ?, ?, ?, ?, 'Nein', ?, 'WG', 'kein Drucker', 'Thekendrucker', ?, "
            "'11:30:00', NULLIF(?, ''), ?)"),
        p.regId, p.station, p.tisch, p.kellner, p.details, p.plu,
        p.pluId.isEmpty() ? p.plu : p.pluId, p.gericht, p.menge,
        p.plu.isEmpty() ? QString() : QString::number(p.menge) + QLatin1Char('x'), p.cent,
        p.cent * p.menge, p.extra, p.idwg, p.datum, p.herkunft, p.mwst);
    const std::int64_t id = db.letzteId();
    if (p.regId == 0)
        db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET RegID = ID WHERE ID = ?"), id);
    return id;
}
