#include "service/Speisekarte.h"

#include "core/Kontext.h"

QList<Warengruppeneintrag> WarengruppenLesen(Kontext& k) {
    QList<Warengruppeneintrag> gruppen;
    auto a = k.db.abfrage(QStringLiteral("SELECT WG, IDWG FROM Warengruppe ORDER BY WG"));
    while (a.naechste()) gruppen.append({a.text(0), a.text(1) == kHauptgruppeGetraenke});
    return gruppen;
}

QList<Kartenartikel> ArtikelDerWarengruppe(Kontext& k, const QString& wg) {
    QList<Kartenartikel> artikel;
    auto a = k.db.abfrage(
        QStringLiteral(
            "SELECT PLU, Gericht, EPREIS FROM Artikelgruppe WHERE WG = ? ORDER BY rowid"),
        wg);
    while (a.naechste()) artikel.append({a.text(0), a.text(1), a.geld(2)});
    return artikel;
}
