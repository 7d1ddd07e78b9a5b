#include "fiskal/tse/Tsebuchung.h"

#include <QSet>

#include "core/Kontext.h"
#include "core/Zaehler.h"
#include "fiskal/Journal.h"
#include "fiskal/tse/Tse.h"

namespace {

QString b64(const QByteArray& daten) { return QString::fromLatin1(daten.toBase64()); }

bool inBetrieb(Datenbank& db) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT 1 FROM Journal WHERE Art = ? LIMIT 1"),
                           kJournalTseInbetriebnahme);
    return a.naechste();
}

void verbuchen(Datenbank& db, std::int64_t nr) {
    db.ausfuehren(QStringLiteral("INSERT INTO TseBuchungen (TransaktionNr) VALUES (?)"), nr);
}

// Once per device, whichever till starts first.
void inbetriebnehmen(Kontext& k) {
    const Tsezertifikat z = k.tse->zertifikat();
    Transaktion t(k.db);
    ZaehlerSperren(k.db, kZaehlerJournal);
    if (inBetrieb(k.db)) return;
    JournalAnhaengen(k, kJournalTseInbetriebnahme,
                     {{QStringLiteral("Seriennummer"), z.seriennummer},
                      {QStringLiteral("Algorithmus"), kTseAlgorithmus},
                      {QStringLiteral("Zeitformat"), kTseZeitformat},
                      {QStringLiteral("Kodierung"), QStringLiteral("UTF-8")},
                      {QStringLiteral("OeffentlicherSchluessel"), b64(z.oeffentlicherSchluessel)},
                      {QStringLiteral("Zertifikat"), b64(z.zertifikat)}});
    t.bestaetigen();
}

}  // namespace

bool TseImAusfall(Datenbank& db) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT Art FROM Journal WHERE Art IN (?, ?) "
                                          "ORDER BY Nr DESC LIMIT 1"),
                           kJournalTseAusfall, kJournalTseWiederaufnahme);
    return a.naechste() && a.text(0) == kJournalTseAusfall;
}

Tsesignatur TseSignieren(Kontext& k, const QString& prozesstyp, const QString& prozessdaten) {
    if (!k.tse) return {};
    try {
        const Tsestart s = k.tse->starten(prozesstyp, prozessdaten);
        const Tseabschluss a = k.tse->beenden(s.transaktionNr, prozesstyp, prozessdaten);
        return {{{QStringLiteral("TransaktionNr"), static_cast<qint64>(a.transaktionNr)},
                 {QStringLiteral("Signaturzaehler"), static_cast<qint64>(a.signaturzaehler)},
                 {QStringLiteral("Start"), TseZeit(a.start)},
                 {QStringLiteral("Ende"), TseZeit(a.ende)},
                 {QStringLiteral("Seriennummer"), a.seriennummer},
                 {QStringLiteral("Algorithmus"), kTseAlgorithmus},
                 {QStringLiteral("Zeitformat"), kTseZeitformat},
                 {QStringLiteral("Prozesstyp"), a.prozesstyp},
                 {QStringLiteral("Prozessdaten"), a.prozessdaten},
                 {QStringLiteral("Signatur"), b64(a.signatur)}},
                a.transaktionNr};
    } catch (const TseFehler& f) {
        return {{{QStringLiteral("Ausfall"), f.grund()}}, 0};
    }
}

QJsonObject TseVermerken(Kontext& k, const Tsesignatur& signatur) {
    if (signatur.tse.isEmpty()) return {};
    const auto ausfall = signatur.tse.constFind(QStringLiteral("Ausfall"));
    const bool schonAusgefallen = TseImAusfall(k.db);
    if (ausfall != signatur.tse.constEnd() && !schonAusgefallen)
        JournalAnhaengen(k, kJournalTseAusfall, {{QStringLiteral("Grund"), *ausfall}});
    if (ausfall == signatur.tse.constEnd() && schonAusgefallen)
        JournalAnhaengen(k, kJournalTseWiederaufnahme, QJsonObject());
    if (signatur.transaktionNr != 0) verbuchen(k.db, signatur.transaktionNr);
    return signatur.tse;
}

void TseAnfuegen(QJsonObject& inhalt, const QJsonObject& tse) {
    if (!tse.isEmpty()) inhalt.insert(QStringLiteral("TSE"), tse);
}

void JournalMitTse(Kontext& k, const QString& art, QJsonObject inhalt,
                   const Tsesignatur& signatur) {
    TseAnfuegen(inhalt, TseVermerken(k, signatur));
    JournalAnhaengen(k, art, inhalt);
}

void TseNachStart(Kontext& k) {
    if (!k.tse) return;
    try {
        if (!inBetrieb(k.db)) inbetriebnehmen(k);
        const std::vector<std::int64_t> geraet = k.tse->transaktionen();
        Transaktion t(k.db);
        QSet<std::int64_t> gebucht;
        for (Abfrage a = k.db.abfrage(QStringLiteral("SELECT TransaktionNr FROM TseBuchungen"));
             a.naechste();)
            gebucht.insert(a.zahl(0));
        for (const std::int64_t nr : geraet) {
            if (gebucht.contains(nr)) continue;
            JournalAnhaengen(k, kJournalTseAbbruch,
                             {{QStringLiteral("TransaktionNr"), static_cast<qint64>(nr)}});
            verbuchen(k.db, nr);
        }
        t.bestaetigen();
    } catch (const TseFehler&) {
        // The device is out: the first signed event records the outage.
    }
}
