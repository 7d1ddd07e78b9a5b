#include "fiskal/tse/Tsebeleg.h"

#include <QJsonDocument>
#include <QStringList>

#include "core/Datenbank.h"
#include "core/Einstellungen.h"
#include "fiskal/Journal.h"
#include "fiskal/Kassenstammdaten.h"
#include "fiskal/tse/Tse.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tsesimulation.h"

namespace {

// Long codes are split so that each piece fits the 72 mm of the roll.
QString umbrochen(const QString& titel, const QString& wert, int breite) {
    QStringList zeilen{titel};
    for (int i = 0; i < wert.size(); i += breite) zeilen << wert.mid(i, breite);
    return zeilen.join(QLatin1Char('\n'));
}

// The public key the device recorded when it was put in service.
QString oeffentlicherSchluessel(Datenbank& db, const QString& seriennummer) {
    for (Abfrage a =
             db.abfrage(QStringLiteral("SELECT Inhalt FROM Journal WHERE Art = ? ORDER BY Nr DESC"),
                        kJournalTseInbetriebnahme);
         a.naechste();) {
        const QJsonObject o = QJsonDocument::fromJson(a.utf8(0).toByteArray()).object();
        if (o.value(QStringLiteral("Seriennummer")).toString() == seriennummer)
            return o.value(QStringLiteral("OeffentlicherSchluessel")).toString();
    }
    return QString();
}

}  // namespace

Tsebeleg TsebelegAus(Datenbank& db, const QJsonObject& tse) {
    const QString kasse = Kassenseriennummer(db);
    QStringList zeilen;
    if (EinstellungLesen(db, kEinstellungTse).value_or(kTseSimulation) == kTseSimulation)
        zeilen << kTseSimulationHinweis;
    zeilen << QStringLiteral("Kassen-Seriennummer: ") + kasse;
    if (tse.contains(QStringLiteral("Ausfall"))) {
        zeilen << kTseAusgefallen;
        return {zeilen.join(QLatin1Char('\n')), QString()};
    }
    const auto feld = [&](const char* name) {
        const QJsonValue v = tse.value(QString::fromLatin1(name));
        return v.isString() ? v.toString() : QString::number(v.toInteger());
    };
    zeilen << QStringLiteral("TSE-Transaktion: ") + feld("TransaktionNr")
           << QStringLiteral("TSE-Signaturzähler: ") + feld("Signaturzaehler")
           << QStringLiteral("TSE-Start: ") + feld("Start")
           << QStringLiteral("TSE-Ende: ") + feld("Ende")
           << umbrochen(QStringLiteral("TSE-Seriennummer:"), feld("Seriennummer"), 32)
           << umbrochen(QStringLiteral("TSE-Signatur:"), feld("Signatur"), 32);
    Tsebeleg beleg{zeilen.join(QLatin1Char('\n')), QString()};
    if (feld("Prozesstyp") == kKassenbelegV1)
        beleg.qr =
            QStringList{QStringLiteral("V0"),  kasse,
                        feld("Prozesstyp"),    feld("Prozessdaten"),
                        feld("TransaktionNr"), feld("Signaturzaehler"),
                        feld("Start"),         feld("Ende"),
                        feld("Algorithmus"),   feld("Zeitformat"),
                        feld("Signatur"),      oeffentlicherSchluessel(db, feld("Seriennummer"))}
                .join(QLatin1Char(';'));
    return beleg;
}

QJsonObject TseDerRechnung(Datenbank& db, std::int64_t nr) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT Inhalt FROM Journal WHERE Nr = ?"), nr);
    if (!a.naechste()) return {};
    return QJsonDocument::fromJson(a.utf8(0).toByteArray())
        .object()
        .value(QStringLiteral("TSE"))
        .toObject();
}
