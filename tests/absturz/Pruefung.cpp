#include "absturz/Pruefung.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <stdexcept>

#include "core/Datenbank.h"
#include "fiskal/Journalpruefung.h"

namespace {

// Queries that must find nothing, with what each finding means.
const char* const kNichtsZuFinden[][2] = {
    {"SELECT RegNr FROM Rechnungsuebersicht GROUP BY RegNr HAVING COUNT(*) > 1",
     "Rechnungsnummer doppelt vergeben: %1"},
    {"SELECT r.RegNr FROM Rechnungsuebersicht r WHERE r.Gesamt <> (SELECT COALESCE(SUM(d.GPREIS), "
     "0) "
     "FROM RechnungDetails d WHERE d.RegNr = r.RegNr)",
     "Rechnung %1: Summe der Zeilen weicht vom Gesamtbetrag ab"},
    {"SELECT RegNr FROM Rechnungsuebersicht WHERE COALESCE(BAR, 0) + COALESCE(KARTE, 0) + "
     "COALESCE(GUTSCHEIN, 0) <> Gesamt",
     "Rechnung %1: Zahlungen ergeben nicht den Gesamtbetrag"},
    {"SELECT DISTINCT RegNr FROM RechnungDetails WHERE RegNr NOT IN "
     "(SELECT RegNr FROM Rechnungsuebersicht)",
     "Rechnungszeilen ohne Rechnung: Nr. %1"},
    {"SELECT ID FROM OffeneTische WHERE Menge < 1 OR GPREIS <> Menge * EPREIS",
     "Offene Zeile %1 ist nicht stimmig"},
};

}  // namespace

QStringList Pruefen(Datenbank& db, const Protokollstand& stand, std::int64_t journalAb) {
    QStringList verletzungen;
    // The checks below read the file several times over: each page decrypted once.
    db.ausfuehren(QStringLiteral("PRAGMA cache_size = -65536"));
    Abfrage integritaet = db.abfrage(QStringLiteral("PRAGMA integrity_check"));
    if (integritaet.naechste() && integritaet.text(0) != QStringLiteral("ok"))
        verletzungen << QStringLiteral("Datei beschädigt: ") + integritaet.text(0);

    for (const auto& [sql, text] : kNichtsZuFinden)
        for (Abfrage a = db.abfrage(QString::fromUtf8(sql)); a.naechste();)
            verletzungen << QString::fromUtf8(text).arg(a.text(0));

    // No entry claims a signature the device did not make.
    for (Abfrage a =
             db.abfrage(QStringLiteral("SELECT Nr, Inhalt FROM Journal WHERE Nr >= ?"), journalAb);
         a.naechste();) {
        const QJsonObject tse = QJsonDocument::fromJson(a.utf8(1).toByteArray())
                                    .object()
                                    .value(QStringLiteral("TSE"))
                                    .toObject();
        if (!tse.contains(QStringLiteral("Signatur"))) continue;
        Abfrage g = db.abfrage(
            QStringLiteral("SELECT 1 FROM TseTransaktionen WHERE Nr = ? AND Signatur = ?"),
            static_cast<std::int64_t>(tse.value(QStringLiteral("TransaktionNr")).toInteger()),
            tse.value(QStringLiteral("Signatur")).toString());
        if (!g.naechste())
            verletzungen
                << QStringLiteral("Journaleintrag %1: Signatur fehlt in der TSE").arg(a.zahl(0));
    }

    if (const auto veraendertAb = JournalAbPruefen(db, journalAb))
        verletzungen << Befundtext({0, veraendertAb});

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

std::int64_t JournalmarkeLesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return 1;
    return std::max<std::int64_t>(1, datei.readAll().trimmed().toLongLong());
}

void JournalmarkeSchreiben(const QString& pfad, Datenbank& db) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT COALESCE(MAX(Nr), 0) + 1 FROM Journal"));
    a.naechste();
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(QByteArray::number(a.zahl(0))) < 0 ||
        !datei.commit())
        throw std::runtime_error("Journalmarke nicht zu schreiben");
}

QStringList TseAbgleichen(Datenbank& db) {
    QStringList verletzungen;
    for (Abfrage a = db.abfrage(QStringLiteral("SELECT Nr FROM TseTransaktionen WHERE Nr NOT IN "
                                               "(SELECT TransaktionNr FROM TseBuchungen)"));
         a.naechste();)
        verletzungen << QStringLiteral("TSE-Transaktion %1 ohne Journaleintrag").arg(a.zahl(0));
    return verletzungen;
}
