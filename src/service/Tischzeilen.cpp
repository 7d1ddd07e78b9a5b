#include "service/Tischzeilen.h"

#include "core/Kontext.h"

QList<Tischzeile> TischZeilen(Kontext& k, const Tischort& ort, Listenart art) {
    const QString sql = QStringLiteral("SELECT * FROM OffeneTische WHERE ") + kOrtBedingung +
                        (art == Listenart::Abrechnung
                             ? QStringLiteral(" ORDER BY IDWG, RegID, ID")
                             : QStringLiteral(" AND TischDetails = 'Alt' ORDER BY RegID, ID"));
    Abfrage a = k.db.abfrage(sql, ort.station, ort.tisch, ort.herkunft);
    QList<Tischzeile> zeilen;
    while (a.naechste()) zeilen << Tischzeile::lesen(a);
    return zeilen;
}

std::optional<Geld> TischSumme(Kontext& k, const Tischort& ort) {
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT SUM(Menge * EPREIS) FROM OffeneTische WHERE ") + kOrtBedingung,
        ort.station, ort.tisch, ort.herkunft);
    if (!a.naechste() || a.istNull(0)) return std::nullopt;
    return a.geld(0);
}

QString TischUeberschrift(const Tischort& ort) {
    return ort.station + QStringLiteral("   Tisch: ") + ort.tisch;
}

Tischort OrtAmTisch(Kontext& k, const QString& tisch) {
    return {k.werte.station, tisch, tisch == kZahlen ? k.werte.tisch : QString()};
}
