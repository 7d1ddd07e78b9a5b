#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "core/Schema.h"
#include "service/Eintragen.h"
#include "service/Senden.h"
#include "service/Tischanzeige.h"
#include "support/FesteUhr.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

namespace {

using Uhrzeit = std::chrono::steady_clock;

template <typename F>
void messen(std::vector<double>& us, F&& f) {
    const auto t0 = Uhrzeit::now();
    f();
    us.push_back(std::chrono::duration<double, std::micro>(Uhrzeit::now() - t0).count());
}

double median(std::vector<double> werte) {
    if (werte.empty()) return 0;
    auto mitte = werte.begin() + static_cast<std::ptrdiff_t>(werte.size() / 2);
    std::nth_element(werte.begin(), mitte, werte.end());
    return *mitte;
}

// A database file on disk with ten articles (five drinks, five dishes) and
// waiter Tom at table 1 of the dining room.
struct Kasse {
    Kasse() {
        db = Datenbank::oeffnen(ordner.filePath(QStringLiteral("tavro.db")), kDatenbankKennwort);
        SchemaAktualisieren(*db);
        k = std::make_unique<Kontext>(*db, uhr, dialoge, drucker);
        k->werte = {QStringLiteral("Tom"), QStringLiteral("Gastraum"), QStringLiteral("1"),
                    QString()};
        for (int i = 0; i < 10; ++i)
            db->ausfuehren(
                QStringLiteral("INSERT INTO Artikelgruppe (PLU, WG, IDWG, Gericht, EPREIS, "
                               "Stationsdrucker, Bondrucker, Extra, MwSt) VALUES (?, 'WG', ?, ?, "
                               "?, 'kein Drucker', 'Küchendrucker', 0, '19')"),
                QString::number(10 + i),
                i < 5 ? QStringLiteral("Getränke") : QStringLiteral("Speisen"),
                QStringLiteral("Artikel %1").arg(i), 250 + 100 * i);
        // The row the floor's transaction writes, on another table.
        db->ausfuehren(
            QStringLiteral("INSERT INTO OffeneTische (Station, Tisch, Zeit) "
                           "VALUES ('Gastraum', '99', '')"));
        bodenId = db->letzteId();
    }

    // The floor: one bare write transaction (BEGIN, update one row, COMMIT) on
    // the same file; with synchronous=FULL its commit pays the sync to disk.
    void bodenMessen(std::vector<double>& us) {
        messen(us, [&] {
            Transaktion t(*db);
            db->ausfuehren(QStringLiteral("UPDATE OffeneTische SET Zeit = ? WHERE ID = ?"),
                           QString::number(++zaehler), bodenId);
            t.bestaetigen();
        });
    }

    // Lines of table 1 written directly in one transaction, outside the timing.
    void zeilen(int anzahl, const QString& details) {
        Transaktion t(*db);
        for (int i = 0; i < anzahl; ++i)
            db->ausfuehren(
                QStringLiteral(
                    "INSERT INTO OffeneTische (Station, Tisch, Kellner, TischDetails, PLU, "
                    "PLU_ID, Gericht, Menge, Menge_Text, EPREIS, GPREIS, Extra, Kommentar, IDWG, "
                    "WG, Stationsdrucker, Bondrucker, Datum, Zeit, MwStSatz) SELECT 'Gastraum', "
                    "'1', "
                    "'Tom', ?, PLU, PLU, Gericht, 1, '1x', EPREIS, EPREIS, 'Nein', 'Nein', IDWG, "
                    "WG, Stationsdrucker, Bondrucker, '2026-12-06', '12:00:00', 1900 "
                    "FROM Artikelgruppe "
                    "WHERE PLU = ?"),
                details, QString::number(10 + i % 10));
        db->ausfuehren(QStringLiteral("UPDATE OffeneTische SET RegID = ID WHERE RegID IS NULL"));
        t.bestaetigen();
    }

    void tischLeeren() {
        db->ausfuehren(QStringLiteral("DELETE FROM OffeneTische WHERE Tisch = '1'"));
    }

    QTemporaryDir ordner;
    std::unique_ptr<Datenbank> db;
    FesteUhr uhr;
    SkriptDialoge dialoge;
    SpeicherDrucker drucker;
    std::unique_ptr<Kontext> k;
    std::int64_t bodenId = 0;
    int zaehler = 0;
};

void berichten(benchmark::State& state, const std::vector<double>& boden,
               const std::vector<double>& routine) {
    state.counters["boden_us"] = median(boden);
    state.counters["median_us"] = median(routine);
    state.counters["verhaeltnis"] = median(routine) / median(boden);
}

// Target: at most 2 x the floor. Floor and routine take turns, so both see
// the same disk.
void BM_GerichtEintragen(benchmark::State& state) {
    Kasse kasse;
    std::vector<double> boden, routine;
    int i = 0;
    for (auto _ : state) {
        kasse.bodenMessen(boden);
        // Drinks merge into their line, dishes add one: both paths in turn.
        const QString plu = QString::number(10 + (i++ % 10));
        messen(routine, [&] { GerichtEintragen(*kasse.k, plu, QStringLiteral("1")); });
    }
    berichten(state, boden, routine);
}
BENCHMARK(BM_GerichtEintragen)->Unit(benchmark::kMicrosecond)->Iterations(200);

// Target: at most 3 x the floor for a table with 30 new lines, five of which
// join sent lines and the rest merge among themselves or stay separate.
void BM_TischNeuesGerichtLoeschen30(benchmark::State& state) {
    Kasse kasse;
    std::vector<double> boden, routine;
    for (auto _ : state) {
        state.PauseTiming();
        kasse.tischLeeren();
        kasse.zeilen(5, QStringLiteral("Alt"));
        kasse.zeilen(30, QStringLiteral("Neu"));
        state.ResumeTiming();
        kasse.bodenMessen(boden);
        messen(routine, [&] { TischNeuesGerichtLoeschen(*kasse.k); });
    }
    berichten(state, boden, routine);
}
BENCHMARK(BM_TischNeuesGerichtLoeschen30)->Unit(benchmark::kMicrosecond)->Iterations(60);

// Target: under 2 ms median for a table with 100 lines, query and model filled.
void BM_OffeneTischeAnzeigen100(benchmark::State& state) {
    Kasse kasse;
    kasse.zeilen(100, QStringLiteral("Alt"));
    Tischanzeige anzeige;
    std::vector<double> routine;
    for (auto _ : state) {
        messen(routine, [&] {
            OffeneTischeAnzeigen(*kasse.k, anzeige, QStringLiteral("1"), QStringLiteral("Alt"));
        });
    }
    state.counters["median_us"] = median(routine);
    state.counters["zeilen"] = anzeige.modell.rowCount();
}
BENCHMARK(BM_OffeneTischeAnzeigen100)->Unit(benchmark::kMicrosecond);

}  // namespace
