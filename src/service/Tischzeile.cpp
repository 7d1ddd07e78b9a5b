#include "service/Tischzeile.h"

#include "core/Datenbank.h"

Tischzeile Tischzeile::lesen(const Abfrage& a) {
    Tischzeile z;
    z.id = a.zahl(QStringLiteral("ID"));
    z.regId = a.zahl(QStringLiteral("RegID"));
    z.station = a.text(QStringLiteral("Station"));
    z.tisch = a.text(QStringLiteral("Tisch"));
    z.kellner = a.text(QStringLiteral("Kellner"));
    z.tischDetails = a.text(QStringLiteral("TischDetails"));
    z.plu = a.text(QStringLiteral("PLU"));
    z.pluId = a.text(QStringLiteral("PLU_ID"));
    z.gericht = a.text(QStringLiteral("Gericht"));
    z.menge = a.zahl(QStringLiteral("Menge"));
    z.mengeText = a.text(QStringLiteral("Menge_Text"));
    z.epreis = a.geld(QStringLiteral("EPREIS"));
    z.gpreis = a.geld(QStringLiteral("GPREIS"));
    z.extra = a.text(QStringLiteral("Extra"));
    z.kommentar = a.text(QStringLiteral("Kommentar"));
    z.idwg = a.text(QStringLiteral("IDWG"));
    z.wg = a.text(QStringLiteral("WG"));
    z.stationsdrucker = a.text(QStringLiteral("Stationsdrucker"));
    z.bondrucker = a.text(QStringLiteral("Bondrucker"));
    z.datum = a.datum(QStringLiteral("Datum"));
    z.zeit = a.text(QStringLiteral("Zeit"));
    z.mwstSatz = static_cast<int>(a.zahl(QStringLiteral("MwStSatz")));
    z.notiz = a.text(QStringLiteral("Notiz"));
    z.gang = a.text(QStringLiteral("Gang"));
    return z;
}
