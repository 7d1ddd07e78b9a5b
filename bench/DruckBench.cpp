#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <memory>

#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "core/Schema.h"
#include "druck/Druckarbeiter.h"
#include "druck/Druckauftraege.h"
#include "druck/Druckwarteschlange.h"
#include "service/Eintragen.h"
#include "service/Tischverlassen.h"
#include "support/FesteUhr.h"
#include "support/SkriptDialoge.h"
#include "support/Testausgang.h"

namespace {

using Uhrzeit = std::chrono::steady_clock;

double ms(Uhrzeit::time_point seit) {
    return std::chrono::duration<double, std::milli>(Uhrzeit::now() - seit).count();
}

long rssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith("VmRSS:")) return zeile.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Prints nothing, keeps nothing: what grows while draining is the queue's own.
class Nullausgang : public Druckerausgang {
  public:
    QStringList warteschlangen() const override { return {QStringLiteral("Null")}; }
    QString standard() const override { return QStringLiteral("Null"); }
    std::unique_ptr<Druckziel> ziel(const QString&) const override {
        struct Weg : Druckziel {
            void drucken(const Dokument&) override {}
        };
        return std::make_unique<Weg>();
    }
    QString zustand(const QString&) const override { return {}; }
    bool aufRolle(const QString&) const override { return true; }
};

// A till on a file with five drinks and five dishes, waiter Tom at table 1,
// printing through the queue and a running worker.
struct Druckkasse {
    explicit Druckkasse(const Druckerausgang& ausgang)
        : db(Datenbank::oeffnen(ordner.filePath(QStringLiteral("tavro.db")), kDatenbankKennwort)),
          arbeiter((SchemaAktualisieren(*db), *db), ausgang, uhr.jetzt().date(),
                   std::chrono::milliseconds(50)),
          queue(*db, uhr, [this] { arbeiter.anstossen(); }),
          k(*db, uhr, dialoge, queue) {
        k.werte = {QStringLiteral("Tom"), QStringLiteral("Gastraum"), QStringLiteral("1"),
                   QString()};
        for (int i = 0; i < 10; ++i)
            db->ausfuehren(
                QStringLiteral("INSERT INTO Artikelgruppe (PLU, WG, IDWG, Gericht, EPREIS, "
                               "Stationsdrucker, Bondrucker, Extra) VALUES (?, 'WG', 'X', ?, ?, "
                               "'kein Drucker', ?, 0)"),
                QString::number(10 + i), QStringLiteral("Artikel %1").arg(i), 250 + 100 * i,
                i < 5 ? QStringLiteral("Thekendrucker") : QStringLiteral("Küchendrucker"));
        arbeiter.start();
    }
    void zehnZeilen() {
        for (int i = 0; i < 10; ++i)
            if (!GerichtEintragen(k, QString::number(10 + i), QStringLiteral("1")))
                throw DbFehler(0, QStringLiteral("Artikel %1 nicht eingetragen").arg(10 + i));
    }
    bool leer() { return DruckstandLesen(*db).wartend == 0; }
    std::int64_t anzahl() {
        Abfrage a = db->abfrage(QStringLiteral("SELECT count(*) FROM Druckauftraege"));
        a.naechste();
        return a.zahl(0);
    }

    QTemporaryDir ordner;
    std::unique_ptr<Datenbank> db;
    FesteUhr uhr;
    SkriptDialoge dialoge;
    Druckarbeiter arbeiter;
    Druckwarteschlange queue;
    Kontext k;
};

// Leaving a table with ten new lines while the printer hangs: the call is
// the transaction and nothing else, far below one frame (16.7 ms).
void BM_TischVerlassenDruckerHaengt(benchmark::State& state) {
    Testausgang ausgang({QStringLiteral("Bon")});
    ausgang.anhalten(QStringLiteral("Bon"), true);
    Druckkasse kasse(ausgang);
    // The first ticket takes the worker into the hanging printer.
    kasse.zehnZeilen();
    TischVerlassen(kasse.k);
    for (int i = 0; i < 1000 && ausgang.haengend() == 0; ++i) QThread::msleep(5);
    double summe = 0, hoechst = 0;
    for (auto _ : state) {
        state.PauseTiming();
        kasse.zehnZeilen();
        state.ResumeTiming();
        const auto t0 = Uhrzeit::now();
        if (!TischVerlassen(kasse.k)) state.SkipWithError("leaving failed");
        const double dauer = ms(t0);
        summe += dauer;
        hoechst = std::max(hoechst, dauer);
    }
    state.counters["verlassen_ms"] = summe / static_cast<double>(state.iterations());
    state.counters["hoechst_ms"] = hoechst;
    state.counters["haengend"] = ausgang.haengend();
    state.counters["wartend"] = DruckstandLesen(*kasse.db).wartend;
    ausgang.anhalten(QStringLiteral("Bon"), false);
    while (!kasse.leer()) QThread::msleep(5);
}
BENCHMARK(BM_TischVerlassenDruckerHaengt)->Unit(benchmark::kMillisecond)->Iterations(50);

// A thousand jobs drain through the worker, three times: the resident memory
// after the third round is that after the first.
void BM_TausendAuftraegeAbarbeiten(benchmark::State& state) {
    const Nullausgang ausgang;
    Druckkasse kasse(ausgang);
    const auto runde = [&] {
        {
            Transaktion t(*kasse.db);
            for (int i = 0; i < 500; ++i) {  // two tickets each
                kasse.zehnZeilen();
                TischVerlassen(kasse.k);
            }
            t.bestaetigen();
        }
        while (!kasse.leer()) QThread::msleep(2);
    };
    for (auto _ : state) {
        runde();
        const long nachErster = rssKb();
        const auto t0 = Uhrzeit::now();
        runde();
        runde();
        state.counters["zwei_runden_ms"] = ms(t0);
        state.counters["rss_zuwachs_kb"] = static_cast<double>(rssKb() - nachErster);
        state.counters["rss_kb"] = static_cast<double>(rssKb());
        state.counters["auftraege"] = static_cast<double>(kasse.anzahl());
    }
}
BENCHMARK(BM_TausendAuftraegeAbarbeiten)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
