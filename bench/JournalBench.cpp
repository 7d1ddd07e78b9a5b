#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>

#include "core/Datenbank.h"
#include "core/Datenbankdatei.h"
#include "core/Datensicherung.h"
#include "core/Schema.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalpruefung.h"
#include "fiskal/dsfinvk/Dsfinvkexport.h"

namespace {

// A bill of three lines, as big as the entries of an ordinary day.
QJsonObject rechnung(int regNr) {
    QJsonArray zeilen;
    for (int i = 0; i < 3; ++i)
        zeilen.append(QJsonObject{{"PLU", QString::number(100 + i)},
                                  {"Gericht", "Schnitzel Wiener Art"},
                                  {"Menge", 2},
                                  {"EPREIS", 1490},
                                  {"GPREIS", 2980},
                                  {"MwStSatz", 700},
                                  {"Kellner", "Tom"},
                                  {"Datum", "2026-12-06"},
                                  {"Zeit", "12:00:00"}});
    return {{"RegNr", regNr},       {"Geschaeftstag", "2026-12-06"},
            {"Zeit", "12:30:00"},   {"Station", "Gastraum"},
            {"Tisch", "5"},         {"Mitarbeiter", "Tom"},
            {"Beleg", "Kassenbon"}, {"Gesamt", 8940},
            {"BAR", 8940},          {"KARTE", 0},
            {"GUTSCHEIN", 0},       {"Zahlungsart", "BAR"},
            {"Zeilen", zeilen}};
}

// A file whose journal holds that many bills.
void journalAnlegen(const QString& pfad, std::int64_t eintraege) {
    auto db = Datenbank::oeffnen(pfad, kDatenbankKennwort);
    SchemaAktualisieren(*db);
    Transaktion t(*db);
    const QDateTime zeit(QDate(2026, 12, 6), QTime(12, 30));
    for (std::int64_t i = 0; i < eintraege; ++i)
        JournalAnhaengen(*db, zeit, kJournalRechnung, rechnung(static_cast<int>(i % 500) + 1),
                         static_cast<int>(i % 500) + 1);
    t.bestaetigen();
}

// What `tavro --journal-pruefen` does on a journal of that many entries:
// open the file (deriving its key) and check the whole chain.
void BM_JournalPruefen(benchmark::State& state) {
    QTemporaryDir tmp;
    const QString pfad = tmp.filePath(QStringLiteral("tavro.db"));
    const auto eintraege = state.range(0);
    journalAnlegen(pfad, eintraege);
    for (auto _ : state) {
        const auto befund = JournalPruefen(pfad, kDatenbankKennwort);
        if (!befund || befund->veraendertAb || befund->eintraege != eintraege)
            state.SkipWithError("chain not intact");
    }
    state.counters["eintraege_pro_s"] = benchmark::Counter(
        static_cast<double>(eintraege), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_JournalPruefen)
    ->Arg(1000000)
    ->Arg(100000)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

// The backup of a year's file (about 100,000 bills in the journal), written
// and checked as at a till closing; reports the copy's size.
void BM_DatensicherungEinesJahres(benchmark::State& state) {
    QTemporaryDir tmp;
    const QString pfad = tmp.filePath(QStringLiteral("tavro.db"));
    journalAnlegen(pfad, state.range(0));
    auto db = Datenbank::oeffnen(pfad, kDatenbankKennwort);
    QDateTime zeit(QDate(2026, 12, 6), QTime(23, 0));
    QString kopie;
    for (auto _ : state) {
        kopie = DatensicherungSchreiben(*db, tmp.filePath(QStringLiteral("Sicherungen")), zeit);
        zeit = zeit.addSecs(1);
    }
    state.counters["groesse_mb"] = static_cast<double>(QFileInfo(kopie).size()) / 1e6;
}
BENCHMARK(BM_DatensicherungEinesJahres)->Arg(100000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

// The tax authority's export of 300 business days of 300 bills each, every
// day ended by its till closing. Set-up writes the journal directly.
void BM_DsfinvkExport(benchmark::State& state) {
    QTemporaryDir tmp;
    const QString pfad = tmp.filePath(QStringLiteral("tavro.db"));
    const qint64 tage = state.range(0), bills = state.range(1);
    auto db = Datenbank::oeffnen(pfad, kDatenbankKennwort);
    SchemaAktualisieren(*db);
    {
        Transaktion t(*db);
        const QDate erster(2026, 1, 1);
        for (qint64 tag = 0; tag < tage; ++tag) {
            const QDate datum = erster.addDays(tag);
            for (qint64 i = 0; i < bills; ++i)
                JournalAnhaengen(*db, QDateTime(datum, QTime(12, 30)), kJournalRechnung,
                                 rechnung(static_cast<int>(i) + 1), static_cast<int>(i) + 1);
            JournalAnhaengen(
                *db, QDateTime(datum, QTime(23, 0)), kJournalKassenabschluss,
                {{"Rechnungen", bills}, {"Gesamt", 8940 * bills}, {"BAR", 8940 * bills}});
        }
        t.bestaetigen();
    }
    int lauf = 0;
    for (auto _ : state) {
        const QString ziel = tmp.filePath(QStringLiteral("export%1").arg(++lauf));
        if (!DsfinvkExportieren(*db, ziel, QStringLiteral("2026-01-01"),
                                QStringLiteral("2026-12-31"))
                 .geschrieben)
            state.SkipWithError("export not written");
    }
}
BENCHMARK(BM_DsfinvkExport)->Args({300, 300})->Iterations(1)->Unit(benchmark::kMillisecond);
