// Several tills on one PostgreSQL database, each a process of its own.
//
//   tavro_mehrkassen [--datenbank URI] [--kassen 8] [--tische 250]
//       the test: a till killed with a table open, two tills racing for one
//       table, every till ordering, leaving and settling its tables at once,
//       then two closings at once; checks the shared database afterwards.
//   tavro_mehrkassen --messen [--datenbank URI] [--kassen 8] [--runden 60]
//       times the settlement writer for 50 lines: on the file, on the server
//       alone and with every till settling at once.
//   tavro_mehrkassen --kasse N --datenbank URI (--tische T | --runden R | --halten)
//       one till, started by the above.
// Without a server (--datenbank or TAVRO_TEST_POSTGRES) it skips with code 77.
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "core/Datenbank.h"
#include "core/Datenbankdatei.h"
#include "fiskal/Journal.h"
#include "mehrkassen/Kassenlauf.h"
#include "mehrkassen/Kassenprozesse.h"
#include "mehrkassen/Pruefung.h"

namespace {

constexpr int kUebersprungen = 77;

// A schema of its own on the server, made empty; answers the address that uses it.
QString frischesSchema(const QString& uri, const QString& schema) {
    Datenbank::verbinden(uri)->skript(
        QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE; CREATE SCHEMA %1").arg(schema));
    return uri + (uri.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) +
           QStringLiteral("options=-csearch_path%3D") + schema;
}

// The arguments of the tills numbered `von` to `bis`.
std::vector<QStringList> kassen(const QString& datenbank, int von, int bis,
                                const QStringList& rest) {
    std::vector<QStringList> argumente;
    for (int n = von; n <= bis; ++n)
        argumente.push_back(QStringList{QStringLiteral("--kasse"), QString::number(n),
                                        QStringLiteral("--datenbank"), datenbank} +
                            rest);
    return argumente;
}

void melden(const QStringList& verletzungen) {
    for (const QString& v : verletzungen) std::printf("VERLETZUNG\t%s\n", qPrintable(v));
}

// Exactly one till gets the table; every other is told which till has it.
QStringList streitAuswerten(const QStringList& antworten) {
    const auto gewonnen =
        std::count(antworten.begin(), antworten.end(), QStringLiteral("STREIT gewonnen"));
    const auto verloren = std::count_if(antworten.begin(), antworten.end(), [](const QString& a) {
        return a.startsWith(QStringLiteral(
                   "STREIT verloren Tisch Streit ist gerade an der Kasse 'Kasse ")) &&
               a.endsWith(QStringLiteral("' geöffnet."));
    });
    if (gewonnen == 1 && verloren == antworten.size() - 1) return {};
    return {QStringLiteral("Tisch Streit: %1 Kassen bekamen ihn (%2)")
                .arg(gewonnen)
                .arg(antworten.join(QStringLiteral(" | ")))};
}

int testen(const QString& uri, int anzahl, int tische) {
    const QString programm = QCoreApplication::applicationFilePath();
    const QString datenbank = frischesSchema(uri, QStringLiteral("mehrkassen"));
    // Every till starts on the empty database at once: one of them makes the
    // schema, the demo data and the device's key, the others find them.
    Kassenprozesse laeufe(programm, kassen(datenbank, 1, anzahl,
                                           {QStringLiteral("--tische"), QString::number(tische)}));
    laeufe.bisAlle(QStringLiteral("BEREIT"));
    auto db = DatenbankOeffnen(datenbank, QString());
    QStringList verletzungen = EinrichtungPruefen(*db);

    const int abgestuerzt = anzahl + 1;
    {
        Kassenprozesse halter(
            programm, kassen(datenbank, abgestuerzt, abgestuerzt, {QStringLiteral("--halten")}));
        halter.bisAlle(QStringLiteral("BEREIT"));
        verletzungen << halter.fehler;
    }  // killed with the table open
    verletzungen << SperreNachAbsturzPruefen(datenbank, Kassenbezeichnung(abgestuerzt));

    laeufe.sagen("LOS");
    verletzungen << streitAuswerten(laeufe.bisAlle(QStringLiteral("STREIT")));
    QElapsedTimer uhr;
    uhr.start();
    laeufe.sagen("WEITER");
    Kassenbilanz bilanz;
    for (const QString& zeile : laeufe.bisAlle(QStringLiteral("ERGEBNIS"))) {
        const QStringList teile = zeile.split(QLatin1Char(' '));
        if (teile.size() != 4) continue;
        bilanz.rechnungen += teile[1].toLongLong();
        bilanz.cent += teile[2].toLongLong();
        bilanz.zeilen += teile[3].toLongLong();
    }
    const double sekunden = static_cast<double>(uhr.elapsed()) / 1000.0;
    laeufe.bisEnde();
    verletzungen << laeufe.fehler << BestandPruefen(*db, bilanz) << AbschluessePruefen(datenbank);
    melden(verletzungen);
    std::printf(
        "Kassen: %d, Rechnungen: %lld, Zeilen: %lld, Sekunden: %.1f, "
        "Abrechnungen/s: %.1f, Verletzungen: %lld\n",
        anzahl, static_cast<long long>(bilanz.rechnungen), static_cast<long long>(bilanz.zeilen),
        sekunden, static_cast<double>(bilanz.rechnungen) / sekunden,
        static_cast<long long>(verletzungen.size()));
    db.reset();
    Datenbank::verbinden(uri)->skript(QStringLiteral("DROP SCHEMA mehrkassen CASCADE"));
    return verletzungen.isEmpty() ? 0 : 1;
}

double quantil(std::vector<double> werte, double q) {
    if (werte.empty()) return 0;
    std::sort(werte.begin(), werte.end());
    return werte[static_cast<std::size_t>(q * static_cast<double>(werte.size() - 1))];
}

// One measured case: `anzahl` tills settle `runden` tables of 50 lines at once.
bool messlauf(const char* name, const QString& datenbank, int anzahl, int runden) {
    const QString programm = QCoreApplication::applicationFilePath();
    DatenbankOeffnen(datenbank, Kassenschluessel(datenbank));  // schema and demo data
    Kassenprozesse laeufe(programm, kassen(datenbank, 1, anzahl,
                                           {QStringLiteral("--runden"), QString::number(runden)}));
    laeufe.bisAlle(QStringLiteral("BEREIT"));
    QElapsedTimer uhr;
    uhr.start();
    laeufe.sagen("LOS");
    const bool gut = laeufe.bisEnde();
    const double sekunden = static_cast<double>(uhr.elapsed()) / 1000.0;
    melden(laeufe.fehler);
    std::printf("%-28s Kassen %d  Abrechnungen %4zu  Median %6.2f ms  p99 %6.2f ms  %6.1f/s\n",
                name, anzahl, laeufe.zeiten.size(), quantil(laeufe.zeiten, 0.5),
                quantil(laeufe.zeiten, 0.99), static_cast<double>(laeufe.zeiten.size()) / sekunden);
    std::fflush(stdout);
    return gut;
}

int messen(const QString& uri, int anzahl, int runden) {
    QTemporaryDir ordner;
    bool gut = messlauf("Datei", ordner.filePath(QStringLiteral("tavro.db")), 1, runden);
    gut &= messlauf("PostgreSQL, eine Kasse", frischesSchema(uri, QStringLiteral("messen_1")), 1,
                    runden);
    gut &= messlauf("PostgreSQL, alle zugleich", frischesSchema(uri, QStringLiteral("messen_n")),
                    anzahl, runden);
    Datenbank::verbinden(uri)->skript(
        QStringLiteral("DROP SCHEMA messen_1 CASCADE; DROP SCHEMA messen_n CASCADE"));
    return gut ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption datenbank(QStringLiteral("datenbank"), QString(),
                                       QStringLiteral("URI"),
                                       qEnvironmentVariable("TAVRO_TEST_POSTGRES"));
    const QCommandLineOption anzahl(QStringLiteral("kassen"), QString(), QStringLiteral("N"),
                                    QStringLiteral("8"));
    const QCommandLineOption tische(QStringLiteral("tische"), QString(), QStringLiteral("T"),
                                    QStringLiteral("250"));
    const QCommandLineOption runden(QStringLiteral("runden"), QString(), QStringLiteral("R"),
                                    QStringLiteral("60"));
    const QCommandLineOption messmodus(QStringLiteral("messen"));
    const QCommandLineOption kasse(QStringLiteral("kasse"), QString(), QStringLiteral("N"));
    const QCommandLineOption halten(QStringLiteral("halten"));
    parser.addOptions({datenbank, anzahl, tische, runden, messmodus, kasse, halten});
    parser.process(app);
    const QString adresse = parser.value(datenbank);
    try {
        if (parser.isSet(kasse)) {
            const int nummer = parser.value(kasse).toInt();
            if (parser.isSet(halten)) return TischHalten(adresse, nummer);
            if (parser.isSet(runden))
                return KasseMessen(adresse, nummer, parser.value(runden).toInt());
            return KasseLaufen(adresse, nummer, parser.value(tische).toInt());
        }
        if (adresse.isEmpty()) {
            std::printf("Übersprungen: kein PostgreSQL-Server (TAVRO_TEST_POSTGRES).\n");
            return kUebersprungen;
        }
        KassennameSetzen(QStringLiteral("Prüfung"));
        if (parser.isSet(messmodus))
            return messen(adresse, parser.value(anzahl).toInt(), parser.value(runden).toInt());
        return testen(adresse, parser.value(anzahl).toInt(), parser.value(tische).toInt());
    } catch (const DbFehler& f) {
        std::printf("VERLETZUNG\t%s\n", qPrintable(f.meldungstext()));
        return 1;
    }
}
