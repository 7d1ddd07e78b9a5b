#include "mehrkassen/Kassenlauf.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>
#include <cstdio>

#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "fiskal/Journal.h"
#include "fiskal/tse/Tsearbeiter.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tsewahl.h"
#include "service/Abkassieren.h"
#include "service/Eintragen.h"
#include "service/Rechnungsspeicher.h"
#include "service/Tischsperre.h"
#include "service/Tischverlassen.h"
#include "service/Umbuchen.h"
#include "support/Posten.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

namespace {

const QString kStation = QStringLiteral("Gastraum");
// She holds every right the routines ask for.
const QString kChefin = QStringLiteral("Maria Huber");

void sagen(const QString& zeile) {
    std::printf("%s\n", qPrintable(zeile));
    std::fflush(stdout);
}

// Blocks until the parent sends `wort`.
void warten(const char* wort) {
    QTextStream ein(stdin);
    while (!ein.atEnd())
        if (ein.readLine() == QLatin1String(wort)) return;
}

// A till as the program builds it at start, with test doubles for the
// screen's dialogs and the printer.
struct Kasse {
    // The till's name is set before: the device and the leases use it.
    explicit Kasse(const QString& datenbank)
        : db(DatenbankOeffnen(datenbank, Kassenschluessel(datenbank))),
          k(*db, uhr, dialoge, drucker),
          tse(TseGeraetebau(*db)) {
        k.tse = &tse;
        TseNachStart(k);
    }
    void amTisch(const QString& tisch) { k.werte = {kChefin, kStation, tisch, QString()}; }
    // What the till showed since the last call, for the parent to report.
    QStringList gezeigt() {
        const QStringList alles = dialoge.meldungen + dialoge.fehlermeldungen + dialoge.unerwartet;
        dialoge = SkriptDialoge();
        drucker.auftraege.clear();
        return alles;
    }

    std::unique_ptr<Datenbank> db;
    Systemuhr uhr;
    SkriptDialoge dialoge;
    SpeicherDrucker drucker;
    Kontext k;
    Tsearbeiter tse;
};

struct Artikel {
    QString plu;
    std::int64_t cent;
};

std::vector<Artikel> karte(Datenbank& db) {
    std::vector<Artikel> liste;
    for (Abfrage a = db.abfrage(QStringLiteral("SELECT PLU, EPREIS FROM Artikelgruppe WHERE WG "
                                               "<> 'Extra' AND EPREIS > 0 ORDER BY PLU"));
         a.naechste();)
        liste.push_back({a.text(0), a.zahl(1)});
    return liste;
}

// Orders two different articles, leaves the table and settles it in cash.
// Answers the bill's total.
std::int64_t tischBedienen(Kasse& kasse, const std::vector<Artikel>& artikel, int runde) {
    Kontext& k = kasse.k;
    if (const auto abgelehnt = TischSperren(k)) throw DbFehler(0, *abgelehnt);
    std::int64_t summe = 0;
    for (int i = 0; i < 2; ++i) {
        const Artikel& a = artikel[static_cast<std::size_t>(runde + i * 7) % artikel.size()];
        const int menge = 1 + (runde + i) % 3;
        if (!GerichtEintragen(k, a.plu, QString::number(menge)))
            throw DbFehler(0, QStringLiteral("Artikel %1 nicht eingetragen").arg(a.plu));
        summe += menge * a.cent;
    }
    if (!TischVerlassen(k)) throw DbFehler(0, QStringLiteral("Tisch nicht verlassen"));
    const Tischort ort{k.werte.station, k.werte.tisch};
    AllesUmbuchen(k, ort, Zahlliste(ort));
    if (!Abkassieren(k, kKassenbon, kBar, {}))
        throw DbFehler(0, QStringLiteral("Tisch %1 nicht abgerechnet").arg(k.werte.tisch));
    return summe;
}

// Fifty different sent lines on the current table, in one transaction.
void tischFuellen(Kontext& k) {
    Transaktion t(k.db);
    for (int i = 0; i < 50; ++i) {
        Posten p;
        p.station = k.werte.station;
        p.tisch = k.werte.tisch;
        p.kellner = k.werte.kellner;
        p.plu = QString::number(100 + i);
        p.menge = 2;
        p.cent = 450;
        PostenAnlegen(k.db, p);
    }
    t.bestaetigen();
}

int fehlerMelden(const QString& text) {
    sagen(QStringLiteral("FEHLER ") + text);
    return 1;
}

}  // namespace

QString Kassenschluessel(const QString& datenbank) {
    return Datenbank::istServeradresse(datenbank) ? QString()
                                                  : datenbank + QStringLiteral(".schluessel");
}

QString Kassenbezeichnung(int nummer) { return QStringLiteral("Kasse %1").arg(nummer); }

int KasseLaufen(const QString& datenbank, int nummer, int tische) {
    try {
        KassennameSetzen(Kassenbezeichnung(nummer));
        Kasse kasse(datenbank);
        const std::vector<Artikel> artikel = karte(*kasse.db);
        sagen(QStringLiteral("BEREIT"));
        warten("LOS");
        kasse.amTisch(QStringLiteral("Streit"));
        const auto abgelehnt = TischSperren(kasse.k);
        sagen(abgelehnt ? QStringLiteral("STREIT verloren ") + *abgelehnt
                        : QStringLiteral("STREIT gewonnen"));
        warten("WEITER");
        std::int64_t cent = 0;
        for (int runde = 0; runde < tische; ++runde) {
            kasse.amTisch(QStringLiteral("%1-%2").arg(nummer).arg(runde + 1));
            cent += tischBedienen(kasse, artikel, runde);
            if (const QStringList gezeigt = kasse.gezeigt(); !gezeigt.isEmpty())
                return fehlerMelden(gezeigt.join(QStringLiteral(" / ")));
        }
        TischeEntsperren(kasse.k);
        sagen(QStringLiteral("ERGEBNIS %1 %2 %3").arg(tische).arg(cent).arg(tische * 2));
        return 0;
    } catch (const DbFehler& f) {
        return fehlerMelden(f.meldungstext());
    }
}

int KasseMessen(const QString& datenbank, int nummer, int runden) {
    try {
        KassennameSetzen(Kassenbezeichnung(nummer));
        Kasse kasse(datenbank);
        kasse.amTisch(QStringLiteral("Messung-%1").arg(nummer));
        const Tischort ort{kStation, kasse.k.werte.tisch};
        sagen(QStringLiteral("BEREIT"));
        warten("LOS");
        for (int runde = 0; runde < runden; ++runde) {
            tischFuellen(kasse.k);
            AllesUmbuchen(kasse.k, ort, Zahlliste(ort));
            QElapsedTimer uhr;
            uhr.start();
            if (!RechnungDetails(kasse.k, kZahlen, kBar, {}, kKassenbon))
                return fehlerMelden(QStringLiteral("keine Rechnung gespeichert"));
            sagen(QStringLiteral("ZEIT %1").arg(static_cast<double>(uhr.nsecsElapsed()) / 1e6));
        }
        return 0;
    } catch (const DbFehler& f) {
        return fehlerMelden(f.meldungstext());
    }
}

int TischHalten(const QString& datenbank, int nummer) {
    try {
        KassennameSetzen(Kassenbezeichnung(nummer));
        Kasse kasse(datenbank);
        kasse.amTisch(QStringLiteral("Absturz"));
        if (const auto abgelehnt = TischSperren(kasse.k)) return fehlerMelden(*abgelehnt);
        sagen(QStringLiteral("BEREIT"));
        for (;;) QThread::sleep(1);
    } catch (const DbFehler& f) {
        return fehlerMelden(f.meldungstext());
    }
}
