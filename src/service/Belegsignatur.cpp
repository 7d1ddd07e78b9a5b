#include "service/Belegsignatur.h"

#include <QJsonArray>
#include <map>

#include "core/Kontext.h"
#include "fiskal/Journal.h"
#include "fiskal/tse/Tse.h"
#include "fiskal/tse/Tseprozessdaten.h"
#include "service/Rechnungsspeicher.h"
#include "service/Senden.h"
#include "service/Tischzeilen.h"

Tsesignatur KassenbelegSignieren(Kontext& k, const QString& tisch, const QString& zahlungsart,
                                 Geld gutschein) {
    if (!k.tse) return {};
    const Tischort ort = OrtAmTisch(k, tisch);
    std::map<int, Geld> brutto;
    Geld gesamt;
    for (Abfrage a = k.db.abfrage(QStringLiteral("SELECT MwStSatz, SUM(GPREIS) FROM OffeneTische "
                                                 "WHERE ") +
                                      kOrtBedingung + QStringLiteral(" GROUP BY MwStSatz"),
                                  ort.station, ort.tisch, ort.herkunft);
         a.naechste();) {
        brutto[static_cast<int>(a.zahl(0))] += a.geld(1);
        gesamt += a.geld(1);
    }
    const Zahlungsaufteilung teile = ZahlungAufteilen(zahlungsart, gesamt, gutschein);
    return TseSignieren(k, kKassenbelegV1,
                        KassenbelegDaten(brutto, teile.bar, teile.karte + teile.gutschein));
}

QList<Bestellposten> NeueBestellposten(Kontext& k, const QString& gang) {
    QList<Bestellposten> posten;
    for (Abfrage a = k.db.abfrage(QStringLiteral("SELECT Menge, Gericht, EPREIS FROM OffeneTische "
                                                 "WHERE ") +
                                      kSendeBedingung + QStringLiteral(" ORDER BY RegID, ID"),
                                  k.werte.station, k.werte.tisch, k.werte.kellner, gang);
         a.naechste();)
        posten.append({a.zahl(0), a.text(1), a.geld(2)});
    return posten;
}

Tsesignatur BestellungSignieren(Kontext& k, const QList<Bestellposten>& posten) {
    if (posten.isEmpty()) return {};
    return TseSignieren(k, kBestellungV1, BestellungDaten(posten));
}

void BestellungJournalieren(Kontext& k, const QList<Bestellposten>& posten,
                            const Tsesignatur& signatur) {
    if (posten.isEmpty()) return;
    QJsonArray zeilen;
    for (const Bestellposten& p : posten)
        zeilen.append(QJsonObject{{QStringLiteral("Menge"), static_cast<qint64>(p.menge)},
                                  {QStringLiteral("Gericht"), p.text},
                                  {QStringLiteral("EPREIS"), static_cast<qint64>(p.preis.cent())}});
    QJsonObject inhalt{{QStringLiteral("Station"), k.werte.station},
                       {QStringLiteral("Tisch"), k.werte.tisch},
                       {QStringLiteral("Kellner"), k.werte.kellner},
                       {QStringLiteral("Zeilen"), zeilen}};
    JournalMitTse(k, kJournalBestellung, std::move(inhalt), signatur);
}

Tsesignatur ZeileSignieren(Kontext& k, std::int64_t id, std::int64_t menge,
                           std::optional<Geld> neuerPreis) {
    if (!k.tse) return {};
    QList<Bestellposten> posten;
    {
        // Read to the end first: an open statement would keep the device from committing.
        Abfrage a = k.db.abfrage(
            QStringLiteral("SELECT Gericht, EPREIS FROM OffeneTische WHERE ID = ?"), id);
        if (!a.naechste()) return {};
        posten.append({-menge, a.text(0), a.geld(1)});
        if (neuerPreis) posten.append({menge, a.text(0), *neuerPreis});
    }
    return TseSignieren(k, kBestellungV1, BestellungDaten(posten));
}
