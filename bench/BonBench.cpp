#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>

#include "service/Bonlayouts.h"
#include "ui/bericht/Dokument.h"
#include "ui/bericht/PdfDrucker.h"

namespace {

using Uhrzeit = std::chrono::steady_clock;

Dokument kuechenbon(int zeilen) {
    Berichtslayout l = ReportKüche();
    l.setzeText(kKopf, QStringLiteral("lblDruckerstation"), QStringLiteral("Küchenbon"));
    l.setzeText(kKopf, QStringLiteral("lblDatum"), QStringLiteral("06.12.2026 12:00:00"));
    l.setzeText(kKopf, QStringLiteral("lblStationUNDTisch"),
                QStringLiteral("Gastraum  -  Tisch: 7"));
    l.setzeText(kKopf, QStringLiteral("lblKellner"), QStringLiteral("Kellner: Jürgen"));
    Berichtsdaten daten;
    for (int i = 0; i < zeilen; ++i)
        daten.push_back(
            {{QStringLiteral("Menge_Text"), QStringLiteral("%1x").arg(i % 4 + 1)},
             {QStringLiteral("PLU"), QString::number(100 + i)},
             {QStringLiteral("Gericht"), i % 5 == 0 ? QStringLiteral("Schweinebraten mit Knödel")
                                                    : QStringLiteral("Spätzle %1").arg(i)},
             {QStringLiteral("GPREIS"), 1290 * (i % 4 + 1)}});
    return BerichtErzeugen(l, daten);
}

double mittelMs(const std::vector<double>& ms) {
    double summe = 0;
    for (double m : ms) summe += m;
    return summe / static_cast<double>(ms.size());
}

void BM_KuechenbonPdf20Zeilen(benchmark::State& state) {
    QTemporaryDir tmp;
    PdfDrucker drucker(tmp.filePath(QStringLiteral("Belege")));
    // The floor: the same ticket with its header and closing mark only, so the
    // ratio is what the twenty lines add to fonts, file and page.
    std::vector<double> boden;
    for (int i = 0; i < 30; ++i) {
        const auto t0 = Uhrzeit::now();
        drucker.drucken(kuechenbon(0));
        boden.push_back(std::chrono::duration<double, std::milli>(Uhrzeit::now() - t0).count());
    }
    std::vector<double> bon;
    for (auto _ : state) {
        const auto t0 = Uhrzeit::now();
        drucker.drucken(kuechenbon(20));
        bon.push_back(std::chrono::duration<double, std::milli>(Uhrzeit::now() - t0).count());
    }
    state.counters["bon_ms"] = mittelMs(bon);
    state.counters["boden_ms"] = mittelMs(boden);
    state.counters["verhaeltnis"] = mittelMs(bon) / mittelMs(boden);
}
BENCHMARK(BM_KuechenbonPdf20Zeilen)->Unit(benchmark::kMillisecond);

void BM_Kuechenbon20ZeilenSetzen(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kuechenbon(20));
}
BENCHMARK(BM_Kuechenbon20ZeilenSetzen)->Unit(benchmark::kMicrosecond);

}  // namespace
