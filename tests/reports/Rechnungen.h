#pragma once

#include <QDate>
#include <QString>

#include "core/Datenbank.h"

// A settled bill as settlement stores it: unused amount columns hold 0. Answers
// its bill number. One line of the bill, at the given VAT rate, goes to RechnungDetails.
inline int rechnung(Datenbank& db, const QDate& datum, const QString& station,
                    const QString& mitarbeiter, std::int64_t bar, std::int64_t karte,
                    std::int64_t gutschein, const QString& zeit = QStringLiteral("12:00:00"),
                    int mwstSatz = 1900) {
    Abfrage n =
        db.abfrage(QStringLiteral("SELECT COALESCE(MAX(RegNr), 0) + 1 FROM Rechnungsuebersicht"));
    n.naechste();
    const int regNr = static_cast<int>(n.zahl(0));
    const std::int64_t gesamt = bar + karte + gutschein;
    db.ausfuehren(
        QStringLiteral("INSERT INTO Rechnungsuebersicht (RegNr, Datum, Zeit, Station, "
                       "Tisch, Mitarbeiter, BAR, KARTE, GUTSCHEIN, Beleg, Zahlungsart, "
                       "Gesamt) VALUES (?, ?, ?, ?, '5', ?, ?, ?, ?, 'Kassenbon', '', ?)"),
        regNr, datum, zeit, station, mitarbeiter, bar, karte, gutschein, gesamt);
    db.ausfuehren(QStringLiteral("INSERT INTO RechnungDetails (RegNr, Station, Tisch, Kellner, "
                                 "Menge, PLU, Gericht, EPREIS, GPREIS, Datum, Zeit, MwStSatz) "
                                 "VALUES (?, ?, '5', ?, 1, '1', 'Pils', ?, ?, ?, ?, ?)"),
                  regNr, station, mitarbeiter, gesamt, gesamt, datum, zeit, mwstSatz);
    return regNr;
}
