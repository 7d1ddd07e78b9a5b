#include "service/Tischzeilen.h"

#include "core/Kontext.h"

std::vector<Postenzeile> TischZeilen(Kontext& k, const Tischort& ort, Listenart art) {
    const QString sql =
        art == Listenart::Abrechnung
            ? QStringLiteral("SELECT ID, RegID, PLU, Menge_Text, Gericht, Extra, TischDetails, "
                             "Menge, EPREIS, GPREIS FROM OffeneTische WHERE Station = ? AND "
                             "Tisch = ? ORDER BY IDWG, RegID, ID")
            : QStringLiteral("SELECT ID, RegID, PLU, Menge_Text, Gericht, Extra, TischDetails, "
                             "Menge, EPREIS, GPREIS FROM OffeneTische WHERE Station = ? AND "
                             "Tisch = ? AND TischDetails = 'Alt' ORDER BY RegID, ID");
    Abfrage a = k.db.abfrage(sql, ort.station, ort.tisch);
    std::vector<Postenzeile> zeilen;
    while (a.naechste()) {
        Postenzeile z;
        z.id = a.zahl(0);
        z.regId = a.zahl(1);
        z.plu = a.text(2);
        z.mengeText = a.text(3);
        z.gericht = a.text(4);
        z.extra = a.text(5);
        z.tischDetails = a.text(6);
        z.menge = static_cast<int>(a.zahl(7));
        z.epreis = a.geld(8);
        z.gpreis = a.geld(9);
        zeilen.push_back(z);
    }
    return zeilen;
}

std::optional<Geld> TischSumme(Kontext& k, const Tischort& ort) {
    Abfrage a = k.db.abfrage(QStringLiteral("SELECT SUM(Menge * EPREIS) FROM OffeneTische "
                                            "WHERE Station = ? AND Tisch = ?"),
                             ort.station, ort.tisch);
    if (!a.naechste() || a.istNull(0)) return std::nullopt;
    return a.geld(0);
}

QString TischUeberschrift(const Tischort& ort) {
    return ort.station + QStringLiteral("   Tisch: ") + ort.tisch;
}
