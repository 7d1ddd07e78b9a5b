#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "core/Schema.h"
#include "reports/Berichte.h"
#include "reports/Kassenabschluss.h"
#include "support/FesteUhr.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

namespace {

using Uhrzeit = std::chrono::steady_clock;

template <typename F>
void messen(std::vector<double>& ms, F&& f) {
    const auto t0 = Uhrzeit::now();
    f();
    ms.push_back(std::chrono::duration<double, std::milli>(Uhrzeit::now() - t0).count());
}

double median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

struct Kasse {
    Kasse()
        : db(Datenbank::oeffnen(tmp.filePath(QStringLiteral("tavro.db")), kDatenbankKennwort)),
          k(*db, uhr, dialoge, drucker) {
        SchemaAktualisieren(*db);
    }
    QTemporaryDir tmp;
    std::unique_ptr<Datenbank> db;
    FesteUhr uhr;
    SkriptDialoge dialoge;
    SpeicherDrucker drucker;
    Kontext k;
};

// 30 dates of 300 bills, each with one line; every fourth bill is take-away.
void rechnungenAnlegen(Datenbank& db) {
    Transaktion t(db);
    int regNr = 0;
    for (int tag = 0; tag < 30; ++tag)
        for (int i = 0; i < 300; ++i) {
            ++regNr;
            const QDate datum = QDate(2026, 11, 1).addDays(tag);
            const QString station =
                i % 4 ? QStringLiteral("Gastraum") : QString::fromUtf8(kAusserHaus);
            db.ausfuehren(
                QStringLiteral("INSERT INTO Rechnungsuebersicht (RegNr, Datum, Zeit, "
                               "Station, Tisch, Mitarbeiter, BAR, KARTE, GUTSCHEIN, Beleg, "
                               "Zahlungsart, Gesamt) VALUES (?, ?, '12:00:00', ?, '5', "
                               "'Tom', ?, ?, 0, 'Kassenbon', '', ?)"),
                regNr, datum, station, i % 2 ? 2450 : 0, i % 2 ? 0 : 2450, 2450);
            db.ausfuehren(
                QStringLiteral("INSERT INTO RechnungDetails (RegNr, Station, Tisch, "
                               "Kellner, Menge, PLU, Gericht, EPREIS, GPREIS, Datum, Zeit, "
                               "MwStSatz) VALUES (?, ?, '5', 'Tom', 1, '1', 'Menü', 2450, "
                               "2450, ?, '12:00:00', 700)"),
                regNr, station, datum);
        }
    t.bestaetigen();
}

// The floor is one bare aggregate query over the same bills, in the same run.
void BM_Kassenabschluss9000Rechnungen(benchmark::State& state) {
    Kasse kasse;
    std::vector<double> boden, abschluss;
    for (auto _ : state) {
        state.PauseTiming();
        rechnungenAnlegen(*kasse.db);
        state.ResumeTiming();
        messen(boden, [&] {
            Abfrage a = kasse.db->abfrage(QStringLiteral(
                "SELECT Datum, SUM(BAR), SUM(KARTE), SUM(Gesamt) FROM Rechnungsuebersicht "
                "GROUP BY Datum"));
            while (a.naechste()) benchmark::DoNotOptimize(a.zahl(3));
        });
        messen(abschluss, [&] { UmsaetzeAbschliessen(kasse.k); });
    }
    state.counters["boden_median_ms"] = median(boden);
    state.counters["abschluss_median_ms"] = median(abschluss);
    state.counters["verhaeltnis"] = median(abschluss) / median(boden);
}
BENCHMARK(BM_Kassenabschluss9000Rechnungen)->Unit(benchmark::kMillisecond)->Iterations(9);

void BM_Umsatzbericht365Tage(benchmark::State& state) {
    Kasse kasse;
    const QDate von(2026, 1, 1), bis(2026, 12, 31);
    {
        Transaktion t(*kasse.db);
        for (QDate d = von; d <= bis; d = d.addDays(1))
            kasse.db->ausfuehren(
                QStringLiteral("INSERT INTO AlleUmsaetze (Datum, Lokal, "
                               "\"AußerHaus\", BAR, KARTE, GUTSCHEIN, Gesamt) "
                               "VALUES (?, 500000, 70000, 400000, 170000, 0, 570000)"),
                d);
        t.bestaetigen();
    }
    std::vector<double> boden, bericht;
    for (auto _ : state) {
        messen(boden, [&] {
            Abfrage a = kasse.db->abfrage(
                QStringLiteral("SELECT Datum, SUM(Gesamt), SUM(Lokal), SUM(\"AußerHaus\") FROM "
                               "AlleUmsaetze WHERE Datum >= ? AND Datum <= ? GROUP BY Datum"),
                von, bis);
            while (a.naechste()) benchmark::DoNotOptimize(a.zahl(1));
        });
        messen(bericht,
               [&] { benchmark::DoNotOptimize(UmsatzberichtErzeugen(kasse.k, von, bis)); });
    }
    state.counters["boden_median_ms"] = median(boden);
    state.counters["bericht_median_ms"] = median(bericht);
    state.counters["verhaeltnis"] = median(bericht) / median(boden);
}
BENCHMARK(BM_Umsatzbericht365Tage)->Unit(benchmark::kMillisecond)->Iterations(21);

}  // namespace
