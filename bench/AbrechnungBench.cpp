#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>

#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "core/Schema.h"
#include "fiskal/tse/Tsearbeiter.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tsewahl.h"
#include "service/Abkassieren.h"
#include "service/Rechnungsspeicher.h"
#include "service/Umbuchen.h"
#include "support/FesteUhr.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

namespace {

using Uhrzeit = std::chrono::steady_clock;

template <typename F>
double messen(std::vector<double>& ms, F&& f) {
    const auto t0 = Uhrzeit::now();
    f();
    ms.push_back(std::chrono::duration<double, std::milli>(Uhrzeit::now() - t0).count());
    return ms.back();
}

double mittel(const std::vector<double>& ms) {
    double summe = 0;
    for (double m : ms) summe += m;
    return summe / static_cast<double>(ms.size());
}

// Fifty different sent lines on table 5, in one transaction.
void tischFuellen(Datenbank& db) {
    Transaktion t(db);
    for (int i = 0; i < 50; ++i) {
        db.ausfuehren(
            QStringLiteral("INSERT INTO OffeneTische (Station, Tisch, Kellner, TischDetails, PLU, "
                           "PLU_ID, Gericht, Menge, Menge_Text, EPREIS, GPREIS, Extra, Kommentar, "
                           "IDWG, WG, Stationsdrucker, Bondrucker, Datum, Zeit, MwStSatz) VALUES "
                           "('Gastraum', '5', 'Tom', 'Alt', ?1, ?1, 'Gericht', 2, '2x', 450, 900, "
                           "'Nein', 'Nein', 'Speisen', 'WG', 'kein Drucker', 'Küchendrucker', "
                           "'2026-12-06', '12:00:00', 700)"),
            QString::number(100 + i));
        db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET RegID = ID WHERE ID = ?"),
                      static_cast<std::int64_t>(db.letzteId()));
    }
    t.bestaetigen();
}

// A new till file with Tom at table 5 of the Gastraum.
struct Kasse {
    Kasse() {
        SchemaAktualisieren(*db);
        k.werte = {QStringLiteral("Tom"), tisch.station, tisch.tisch, QString()};
    }
    QTemporaryDir tmp;
    std::unique_ptr<Datenbank> db =
        Datenbank::oeffnen(tmp.filePath(QStringLiteral("tavro.db")), kDatenbankKennwort);
    FesteUhr uhr;
    SkriptDialoge dialoge;
    SpeicherDrucker drucker;
    Kontext k{*db, uhr, dialoge, drucker};
    const Tischort tisch{QStringLiteral("Gastraum"), QStringLiteral("5")};
};

// The floor: one bare write transaction on the same file, so the ratios say
// what fifty lines cost beyond the commit every write pays.
void BM_Abkassieren50Zeilen(benchmark::State& state) {
    Kasse kasse;
    Datenbank* db = kasse.db.get();
    Kontext& k = kasse.k;
    const Tischort tisch = kasse.tisch;
    const Tischort zahlen = Zahlliste(tisch);

    std::vector<double> boden, umbuchen, rechnung;
    for (auto _ : state) {
        tischFuellen(*db);
        messen(umbuchen, [&] { AllesUmbuchen(k, tisch, zahlen); });
        // The bill with its journal entry; a pay list it did not find would
        // measure nothing.
        messen(rechnung, [&] {
            if (!RechnungDetails(k, kZahlen, kBar, {}, kKassenbon))
                state.SkipWithError("no bill stored");
        });
        messen(boden, [&] {
            Transaktion t(*db);
            db->ausfuehren(QStringLiteral("INSERT INTO Berichte (Bericht) VALUES ('x')"));
            t.bestaetigen();
        });
    }
    state.counters["boden_ms"] = mittel(boden);
    state.counters["umbuchen_ms"] = mittel(umbuchen);
    state.counters["rechnung_ms"] = mittel(rechnung);
    state.counters["umbuchen_verhaeltnis"] = mittel(umbuchen) / mittel(boden);
    state.counters["rechnung_verhaeltnis"] = mittel(rechnung) / mittel(boden);
}
BENCHMARK(BM_Abkassieren50Zeilen)->Unit(benchmark::kMillisecond)->Iterations(40);

// Settling fifty lines with the receipt and the signature of the simulated
// device on its own connection, as the till runs it; the floor is one bare
// write transaction plus one signature.
void BM_Abkassieren50ZeilenSigniert(benchmark::State& state) {
    Kasse kasse;
    Datenbank* db = kasse.db.get();
    Kontext& k = kasse.k;
    const Tischort tisch = kasse.tisch;
    Tsearbeiter tse(TseGeraetebau(*db));
    k.tse = &tse;
    TseNachStart(k);

    std::vector<double> boden, abkassieren;
    for (auto _ : state) {
        tischFuellen(*db);
        AllesUmbuchen(k, tisch, Zahlliste(tisch));
        messen(abkassieren, [&] {
            if (!Abkassieren(k, kKassenbon, kBar, {})) state.SkipWithError("no bill stored");
        });
        messen(boden, [&] {
            if (TseSignieren(k, kKassenbelegV1, QStringLiteral("Beleg^0.00_0.00_0.00_0.00_0.00^"))
                    .tse.contains(QStringLiteral("Ausfall")))
                state.SkipWithError("the device failed");
            Transaktion t(*db);
            db->ausfuehren(QStringLiteral("INSERT INTO Berichte (Bericht) VALUES ('x')"));
            t.bestaetigen();
        });
    }
    state.counters["boden_ms"] = mittel(boden);
    state.counters["abkassieren_ms"] = mittel(abkassieren);
    state.counters["verhaeltnis"] = mittel(abkassieren) / mittel(boden);
}
BENCHMARK(BM_Abkassieren50ZeilenSigniert)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace
