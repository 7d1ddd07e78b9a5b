// The crash test of the till: a driver that runs a restaurant day on a real
// encrypted file and a parent that kills it at random moments and checks that
// nothing confirmed is lost and nothing is doubled.
//
//   tavro_absturz --kills N [--ordner DIR] [--seed S]        the parent
//   tavro_absturz --treiber --datenbank F --protokoll L --seed S
//   tavro_absturz --pruefen --datenbank F --protokoll L

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "absturz/Elternprozess.h"
#include "absturz/Pruefung.h"
#include "absturz/Restauranttag.h"
#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "fiskal/tse/Tsearbeiter.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tsewahl.h"
#include "service/Zahlliste.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

namespace {

void melden(const QStringList& verletzungen) {
    for (const QString& v : verletzungen) std::printf("VERLETZUNG\t%s\n", qPrintable(v));
    std::fflush(stdout);
}

// Opens the file as the till does at start, checks it against the side log,
// and, unless only checking, runs the day until it is killed.
int treiben(const QString& datenbank, const QString& protokollpfad, bool nurPruefen, quint32 seed) {
    const std::unique_ptr<Datenbank> db =
        DatenbankOeffnen(datenbank, datenbank + QStringLiteral(".schluessel"));
    Systemuhr uhr;
    SkriptDialoge dialoge;
    SpeicherDrucker drucker;
    Kontext k(*db, uhr, dialoge, drucker);

    // The closing check reads the whole journal; a restart goes on where the last one ended.
    const QString marke = protokollpfad + QStringLiteral(".journal");
    const Protokollstand stand = ProtokollLesen(protokollpfad);
    const QStringList verletzungen = Pruefen(*db, stand, nurPruefen ? 1 : JournalmarkeLesen(marke));
    melden(verletzungen);
    if (nurPruefen) return verletzungen.isEmpty() ? 0 : 1;
    if (verletzungen.isEmpty()) JournalmarkeSchreiben(marke, *db);

    // The till's own start-up: its TSE journals what the last run left unbooked,
    // and a settlement left half-way gives its lines back.
    Tsearbeiter tse(TseGeraetebau(*db));
    k.tse = &tse;
    TseNachStart(k);
    melden(TseAbgleichen(*db));
    ZahllisteZurueckbuchen(k);
    const Zustand zustand = ZustandLesen(*db);
    const bool offeneAktionGeschehen = stand.bestaetigt && zustand != *stand.bestaetigt;
    Protokoll protokoll(protokollpfad);
    const int nummer = stand.nummer + (offeneAktionGeschehen ? 1 : 0);
    protokoll.bestaetigt(nummer, zustand);
    std::printf("BEREIT\n");
    std::fflush(stdout);

    Restauranttag tag(k, dialoge, drucker, protokoll, nummer, seed);
    for (;;) melden(tag.naechsteAktion());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption kills(QStringLiteral("kills"), QStringLiteral("Anzahl der Kills"),
                                   QStringLiteral("N"));
    const QCommandLineOption ordner(QStringLiteral("ordner"),
                                    QStringLiteral("Ordner für Datei und Seitenprotokoll"),
                                    QStringLiteral("DIR"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Startwert des Zufalls"),
                                  QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption treiber(QStringLiteral("treiber"));
    const QCommandLineOption pruefen(QStringLiteral("pruefen"));
    const QCommandLineOption datenbank(QStringLiteral("datenbank"), QString(), QStringLiteral("F"));
    const QCommandLineOption protokoll(QStringLiteral("protokoll"), QString(), QStringLiteral("L"));
    parser.addOptions({kills, ordner, seed, treiber, pruefen, datenbank, protokoll});
    parser.process(app);
    const quint32 startwert = parser.value(seed).toUInt();

    try {
        if (parser.isSet(treiber) || parser.isSet(pruefen))
            return treiben(parser.value(datenbank), parser.value(protokoll), parser.isSet(pruefen),
                           startwert);
        if (!parser.isSet(kills)) parser.showHelp(2);
        QTemporaryDir temp;
        const QString dir = parser.isSet(ordner) ? parser.value(ordner) : temp.path();
        return AbsturztestLaufen(QCoreApplication::applicationFilePath(), dir,
                                 parser.value(kills).toInt(), startwert);
    } catch (const DbFehler& f) {
        std::printf("VERLETZUNG\t%s\n", qPrintable(f.meldungstext()));
        return 1;
    }
}
