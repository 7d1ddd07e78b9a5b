#include "fiskal/Steuerumsaetze.h"

#include "core/Datenbank.h"

namespace {

// The stored bills' lines per business day of their bill (Tag) and rate (Satz).
const QString kGespeicherteRechnungen = QStringLiteral(
    "SELECT (SELECT r.Datum FROM Rechnungsuebersicht r WHERE r.RegNr = d.RegNr ORDER BY r.ID "
    "LIMIT 1) AS Tag, d.MwStSatz AS Satz, SUM(d.GPREIS) AS Brutto FROM RechnungDetails d "
    "GROUP BY Tag, Satz");

}  // namespace

Steuertabelle SteuerumsaetzeLesen(Datenbank& db, const QDate& von, const QDate& bis) {
    Steuertabelle tabelle;
    Abfrage a = db.abfrage(
        QStringLiteral("SELECT Satz, SUM(Brutto) FROM (SELECT Datum AS Tag, MwStSatz AS Satz, "
                       "Brutto FROM Steuerumsaetze UNION ALL ") +
            kGespeicherteRechnungen +
            QStringLiteral(") AS u WHERE Tag >= ? AND Tag <= ? GROUP BY Satz"),
        von, bis);
    while (a.naechste()) tabelle.hinzufuegen(static_cast<int>(a.zahl(0)), a.geld(1));
    return tabelle;
}

void SteuerumsaetzeAbschliessen(Datenbank& db) {
    db.ausfuehren(QStringLiteral("INSERT INTO Steuerumsaetze (Datum, MwStSatz, Brutto) ") +
                  kGespeicherteRechnungen);
}
