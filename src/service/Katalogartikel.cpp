#include "service/Katalogartikel.h"

#include "core/Datenbank.h"
#include "fiskal/Steuersatz.h"

std::optional<Katalogartikel> KatalogartikelLesen(Datenbank& db, const QString& plu) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT PLU, WG, IDWG, Gericht, EPREIS, Stationsdrucker, "
                                          "Bondrucker, MwSt FROM Artikelgruppe WHERE PLU = ? "
                                          "ORDER BY rowid LIMIT 1"),
                           plu);
    if (!a.naechste()) return std::nullopt;
    return Katalogartikel{a.text(0), a.text(1), a.text(2), a.text(3),
                          a.geld(4), a.text(5), a.text(6), SteuersatzLesen(a.text(7))};
}
