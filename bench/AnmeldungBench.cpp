#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/Anmeldung.h"
#include "core/Rechte.h"
#include "support/DemoKontext.h"

namespace {

using Uhrzeit = std::chrono::steady_clock;

double median(std::vector<double> werte) {
    std::nth_element(werte.begin(), werte.begin() + werte.size() / 2, werte.end());
    return werte[werte.size() / 2];
}

template <typename F>
void messen(std::vector<double>& us, F&& f) {
    const auto t0 = Uhrzeit::now();
    f();
    us.push_back(std::chrono::duration<double, std::micro>(Uhrzeit::now() - t0).count());
}

// The rights check and the login look-up against the floor of a bare prepared
// single-row primary-key SELECT on the same connection, taken in turns so that
// all three see the same machine load.
void BM_RechteUndAnmeldung(benchmark::State& state) {
    DemoKontext demo;
    sqlite3_stmt* boden = nullptr;
    sqlite3_prepare_v2(demo.db->handle(), "SELECT Mitarbeiter FROM Kellner WHERE ID = ?", -1,
                       &boden, nullptr);
    std::vector<double> bodenUs, rechteUs, anmeldungUs;
    for (auto _ : state) {
        messen(bodenUs, [&] {
            sqlite3_bind_int64(boden, 1, 2);
            sqlite3_step(boden);
            benchmark::DoNotOptimize(sqlite3_column_text(boden, 0));
            sqlite3_reset(boden);
        });
        messen(rechteUs, [&] {
            benchmark::DoNotOptimize(
                RechteAbfrage(demo.k, QStringLiteral("Tom Berger"), QStringLiteral("Stornieren")));
        });
        messen(anmeldungUs, [&] {
            benchmark::DoNotOptimize(KellnerPinAbfrage(demo.k, QStringLiteral("2222")));
        });
    }
    sqlite3_finalize(boden);
    state.counters["boden_us"] = median(bodenUs);
    state.counters["rechte_us"] = median(rechteUs);
    state.counters["anmeldung_us"] = median(anmeldungUs);
    state.counters["rechte_verhaeltnis"] = median(rechteUs) / median(bodenUs);
    state.counters["anmeldung_verhaeltnis"] = median(anmeldungUs) / median(bodenUs);
}
BENCHMARK(BM_RechteUndAnmeldung)->Iterations(20000)->Unit(benchmark::kMicrosecond);

}  // namespace
