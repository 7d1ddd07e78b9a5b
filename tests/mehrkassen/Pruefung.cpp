#include "mehrkassen/Pruefung.h"

#include <future>

#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "core/Zaehler.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalpruefung.h"
#include "reports/Kassenabschluss.h"
#include "service/Tischsperre.h"
#include "support/FesteUhr.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

namespace {

// A till of the checking process with its own connection and clock.
struct Pruefkasse {
    explicit Pruefkasse(const QString& datenbank) : db(DatenbankOeffnen(datenbank, QString())) {}
    std::unique_ptr<Datenbank> db;
    FesteUhr uhr;
    SkriptDialoge dialoge;
    SpeicherDrucker drucker;
    Kontext k{*db, uhr, dialoge, drucker};
};

}  // namespace

QStringList EinrichtungPruefen(Datenbank& db) {
    QStringList v;
    const struct {
        const char* was;
        const char* sql;
    } einmal[] = {
        {"doppelte Artikel", "SELECT COUNT(*) - COUNT(DISTINCT PLU) + 1 FROM Artikelgruppe"},
        {"doppelte Kellner", "SELECT COUNT(*) - COUNT(DISTINCT Mitarbeiter) + 1 FROM Kellner"},
        {"TSE-Schlüssel", "SELECT COUNT(*) FROM TseSchluessel"},
        {"Inbetriebnahmen", "SELECT COUNT(*) FROM Journal WHERE Art = 'TSE-Inbetriebnahme'"},
    };
    for (const auto& e : einmal)
        if (const std::int64_t n = db.zahl(QString::fromUtf8(e.sql)); n != 1)
            v << QStringLiteral("%1: %2").arg(QString::fromUtf8(e.was)).arg(n);
    return v;
}

QStringList BestandPruefen(Datenbank& db, const Kassenbilanz& bilanz) {
    QStringList v;
    const auto gleich = [&v](const QString& was, std::int64_t ist, std::int64_t soll) {
        if (ist != soll) v << QStringLiteral("%1: %2 statt %3").arg(was).arg(ist).arg(soll);
    };
    gleich(QStringLiteral("Rechnungen"), db.zahl("SELECT COUNT(*) FROM Rechnungsuebersicht"),
           bilanz.rechnungen);
    gleich(QStringLiteral("verschiedene Rechnungsnummern"),
           db.zahl("SELECT COUNT(DISTINCT RegNr) FROM Rechnungsuebersicht"), bilanz.rechnungen);
    gleich(QStringLiteral("höchste Rechnungsnummer"),
           db.zahl("SELECT COALESCE(MAX(RegNr), 0) FROM Rechnungsuebersicht"), bilanz.rechnungen);
    gleich(QStringLiteral("Rechnungszähler"), ZaehlerStand(db, kZaehlerRechnung),
           bilanz.rechnungen);
    gleich(QStringLiteral("Summe der Rechnungen"),
           db.zahl("SELECT COALESCE(SUM(Gesamt), 0) FROM Rechnungsuebersicht"), bilanz.cent);
    gleich(QStringLiteral("Rechnungszeilen"), db.zahl("SELECT COUNT(*) FROM RechnungDetails"),
           bilanz.zeilen);
    gleich(QStringLiteral("Rechnungen ungleich ihren Zeilen"),
           db.zahl("SELECT COUNT(*) FROM Rechnungsuebersicht r WHERE Gesamt <> (SELECT "
                   "COALESCE(SUM(GPREIS), 0) FROM RechnungDetails d WHERE d.RegNr = r.RegNr)"),
           0);
    gleich(QStringLiteral("offene Zeilen"), db.zahl("SELECT COUNT(*) FROM OffeneTische"), 0);
    const std::int64_t eintraege = db.zahl("SELECT COUNT(*) FROM Journal");
    gleich(QStringLiteral("höchste Journalnummer"), db.zahl("SELECT MAX(Nr) FROM Journal"),
           eintraege);
    gleich(QStringLiteral("Journalzähler"), ZaehlerStand(db, kZaehlerJournal), eintraege);
    gleich(QStringLiteral("Rechnungen im Journal"),
           db.zahl("SELECT COUNT(DISTINCT RegNr) FROM Journal WHERE Art = 'Rechnung'"),
           bilanz.rechnungen);
    const Journalbefund befund = *JournalPruefen(db);
    if (befund.veraendertAb) v << Befundtext(befund);
    return v;
}

QStringList AbschluessePruefen(const QString& datenbank) {
    QStringList v;
    Pruefkasse erste(datenbank), zweite(datenbank);
    auto nebenher = std::async(std::launch::async, [&] { UmsaetzeAbschliessen(zweite.k); });
    UmsaetzeAbschliessen(erste.k);
    nebenher.get();
    Datenbank& db = *erste.db;
    Abfrage a = db.abfrage(QStringLiteral("SELECT ZNr FROM Journal WHERE Art = ? ORDER BY Nr"),
                           kJournalKassenabschluss);
    QStringList nummern;
    while (a.naechste()) nummern << a.text(0);
    if (nummern != QStringList{QStringLiteral("1"), QStringLiteral("2")})
        v << QStringLiteral("Abschlussnummern: %1").arg(nummern.join(QLatin1Char(' ')));
    if (db.zahl("SELECT COUNT(*) FROM Rechnungsuebersicht") != 0 ||
        ZaehlerStand(db, kZaehlerRechnung) != 0)
        v << QStringLiteral("Nach dem Abschluss sind noch Rechnungen da.");
    if (const auto befund = *JournalPruefen(db); befund.veraendertAb) v << Befundtext(befund);
    return v;
}

QStringList SperreNachAbsturzPruefen(const QString& datenbank, const QString& kasse) {
    QStringList v;
    Pruefkasse pruefer(datenbank);
    pruefer.k.werte = {QStringLiteral("Maria Huber"), QStringLiteral("Gastraum"),
                       QStringLiteral("Absturz"), QString()};
    const QDateTime jetzt = QDateTime::currentDateTime();
    const struct {
        int sekunden;
        std::optional<QString> antwort;
    } faelle[] = {
        {kSperrdauerSekunden - 5,
         QStringLiteral("Tisch Absturz ist gerade an der Kasse '%1' geöffnet.").arg(kasse)},
        {kSperrdauerSekunden + 5, std::nullopt},
    };
    for (const auto& f : faelle) {
        pruefer.uhr.zeit = jetzt.addSecs(f.sekunden);
        const auto antwort = TischSperren(pruefer.k);
        if (antwort != f.antwort)
            v << QStringLiteral("Nach %1 s: %2").arg(f.sekunden).arg(antwort.value_or("frei"));
    }
    return v;
}
