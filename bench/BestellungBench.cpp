#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "core/Schema.h"
#include "service/Eintragen.h"
#include "service/Senden.h"
#include "service/Stornieren.h"
#include "service/Tischverlassen.h"
#include "service/frmBestellung.h"
#include "service/frmTastenMenu2.h"
#include "service/frmTisch.h"
#include "support/FesteUhr.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

namespace {

using Uhrzeit = std::chrono::steady_clock;

double ms(Uhrzeit::time_point seit) {
    return std::chrono::duration<double, std::milli>(Uhrzeit::now() - seit).count();
}

double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte.empty() ? 0.0 : werte[werte.size() / 2];
}

// A dining room with table 1 opened by Tom, a beer and a schnitzel on the menu.
struct Kasse {
    Kasse() {
        db = Datenbank::oeffnen(ordner.filePath(QStringLiteral("tavro.db")), kDatenbankKennwort);
        SchemaAktualisieren(*db);
        db->ausfuehren(
            QStringLiteral("INSERT INTO Artikelgruppe (PLU, WG, IDWG, Gericht, EPREIS, "
                           "Stationsdrucker, Bondrucker, Extra, MwSt) VALUES "
                           "('12', 'Bier', 'Getränke', 'Pils', 350, 'kein Drucker', "
                           "'Thekendrucker', 0, '19'), ('20', 'Hauptgerichte', 'Speisen', "
                           "'Schnitzel', 1290, 'kein Drucker', 'Küchendrucker', 1, '7')"));
        k = std::make_unique<Kontext>(*db, uhr, dialoge, drucker);
        k->werte = {QStringLiteral("Tom"), QStringLiteral("Gastraum"), QStringLiteral("1"),
                    QString()};
    }
    void leeren() {
        db->skript(
            QStringLiteral("DELETE FROM OffeneTische; DELETE FROM StornosTemporaer; "
                           "DELETE FROM Stornos;"));
        drucker.auftraege.clear();
    }
    // Ten new lines (drinks and food) and two pending cancellations of sent lines.
    void tischFuerDenAbschied() {
        leeren();
        GerichtEintragen(*k, QStringLiteral("12"), QStringLiteral("4"));
        GerichtEintragen(*k, QStringLiteral("20"), QStringLiteral("3"));
        TischNeuesGerichtLoeschen(*k);
        auto a = db->abfrage(QStringLiteral("SELECT ID FROM OffeneTische ORDER BY ID"));
        std::vector<std::int64_t> ids;
        while (a.naechste()) ids.push_back(a.zahl(0));
        for (std::int64_t id : ids) {
            dialoge.zahlen = {QStringLiteral("1")};
            GerichtStornieren(*k, id, QStringLiteral("Alt"));
        }
        for (int i = 0; i < 9; ++i) GerichtEintragen(*k, QStringLiteral("20"), QStringLiteral("1"));
        GerichtEintragen(*k, QStringLiteral("12"), QStringLiteral("2"));
    }

    QTemporaryDir ordner;
    std::unique_ptr<Datenbank> db;
    FesteUhr uhr;
    SkriptDialoge dialoge;
    SpeicherDrucker drucker;
    std::unique_ptr<Kontext> k;
};

// From the Enter key to the grid painted with the new line, on a table of up to
// twenty lines. One frame at 60 Hz is 16 ms.
void BM_EnterBisZeileImRaster(benchmark::State& state) {
    Kasse kasse;
    frmBestellung bildschirm(*kasse.k);
    bildschirm.resize(1280, 740);
    bildschirm.show();
    bildschirm.oeffnen();
    QTableView* raster = bildschirm.tisch().raster();
    std::vector<double> zeiten;
    for (auto _ : state) {
        if (raster->model()->rowCount() >= 20) {
            kasse.leeren();
            bildschirm.oeffnen();
        }
        bildschirm.rechner().setzeEingabe(QStringLiteral("20"));
        const int vorher = raster->model()->rowCount();
        const auto t0 = Uhrzeit::now();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
        QApplication::sendEvent(&bildschirm, &enter);
        raster->viewport()->repaint();
        zeiten.push_back(ms(t0));
        if (raster->model()->rowCount() != vorher + 1) state.SkipWithError("line not shown");
    }
    state.counters["median_ms"] = median(zeiten);
    state.counters["anteil_frame"] = median(zeiten) / 16.0;
}
BENCHMARK(BM_EnterBisZeileImRaster)->Unit(benchmark::kMillisecond)->Iterations(200);

// Leaving a table with ten new lines and two pending cancellations, the tickets
// going to the memory capture, against the sending of the same lines alone.
void BM_TischVerlassen(benchmark::State& state) {
    Kasse kasse;
    std::vector<double> senden;
    for (int i = 0; i < 30; ++i) {
        kasse.tischFuerDenAbschied();
        const auto t0 = Uhrzeit::now();
        TischNeuesGerichtLoeschen(*kasse.k);
        senden.push_back(ms(t0));
    }
    std::vector<double> verlassen;
    for (auto _ : state) {
        state.PauseTiming();
        kasse.tischFuerDenAbschied();
        state.ResumeTiming();
        const auto t0 = Uhrzeit::now();
        TischVerlassen(*kasse.k);
        verlassen.push_back(ms(t0));
        if (kasse.drucker.auftraege.size() != 4) state.SkipWithError("expected four tickets");
    }
    state.counters["verlassen_ms"] = median(verlassen);
    state.counters["senden_ms"] = median(senden);
    state.counters["verhaeltnis"] = median(verlassen) / median(senden);
}
BENCHMARK(BM_TischVerlassen)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
