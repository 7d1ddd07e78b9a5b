#include "absturz/Pruefung.h"

#include "core/Datenbank.h"
#include "fiskal/Journalpruefung.h"

namespace {

// Queries that must find nothing, with what each finding means.
const char* const kNichtsZuFinden[][2] = {
    {"SELECT RegNr FROM Rechnungsuebersicht GROUP BY RegNr HAVING COUNT(*) > 1",
     "Rechnungsnummer doppelt vergeben: %1"},
    {"SELECT r.RegNr FROM Rechnungsuebersicht r WHERE r.Gesamt <> (SELECT IFNULL(SUM(d.GPREIS), 0) "
     "FROM RechnungDetails d WHERE d.RegNr = r.RegNr)",
     "Rechnung %1: Summe der Zeilen weicht vom Gesamtbetrag ab"},
    {"SELECT RegNr FROM Rechnungsuebersicht WHERE IFNULL(BAR, 0) + IFNULL(KARTE, 0) + "
     "IFNULL(GUTSCHEIN, 0) <> Gesamt",
     "Rechnung %1: Zahlungen ergeben nicht den Gesamtbetrag"},
    {"SELECT DISTINCT RegNr FROM RechnungDetails WHERE RegNr NOT IN "
     "(SELECT RegNr FROM Rechnungsuebersicht)",
     "Rechnungszeilen ohne Rechnung: Nr. %1"},
    {"SELECT ID FROM OffeneTische WHERE Menge < 1 OR GPREIS <> Menge * EPREIS",
     "Offene Zeile %1 ist nicht stimmig"},
};

}  // namespace

QStringList Pruefen(Datenbank& db, const Protokollstand& stand) {
    QStringList verletzungen;
    Abfrage integritaet = db.abfrage(QStringLiteral("PRAGMA integrity_check"));
    if (integritaet.naechste() && integritaet.text(0) != QStringLiteral("ok"))
        verletzungen << QStringLiteral("Datei beschädigt: ") + integritaet.text(0);

    for (const auto& [sql, text] : kNichtsZuFinden)
        for (Abfrage a = db.abfrage(QString::fromUtf8(sql)); a.naechste();)
            verletzungen << QString::fromUtf8(text).arg(a.text(0));

    if (const auto journal = JournalPruefen(db); journal && journal->veraendertAb)
        verletzungen << Befundtext(*journal);

    if (stand.bestaetigt) {
        const Zustand ist = ZustandLesen(db);
        if (ist != *stand.bestaetigt && !stand.offenMoeglich.contains(ist))
            verletzungen << QStringLiteral("Nach Aktion %1%2 passt der Bestand nicht: %3")
                                .arg(stand.nummer)
                                .arg(stand.offeneArt.isEmpty()
                                         ? QString()
                                         : QStringLiteral(" (unterbrochen: ") + stand.offeneArt +
                                               QLatin1Char(')'))
                                .arg(ZustandUnterschied(*stand.bestaetigt, ist));
    }
    return verletzungen;
}
