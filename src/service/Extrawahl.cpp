#include "service/Extrawahl.h"

#include "core/Kontext.h"

bool PruefenExtra(Kontext& k, const QString& plu) {
    if (plu.isEmpty()) return false;
    auto a = k.db.abfrage(
        QStringLiteral("SELECT 1 FROM Artikelgruppe WHERE PLU = ? AND Extra = 1 LIMIT 1"), plu);
    return a.naechste();
}

QList<Extraartikel> ListViewExtraFuelen(Kontext& k) {
    QList<Extraartikel> extras;
    auto a = k.db.abfrage(
        QStringLiteral("SELECT PLU, Gericht FROM Artikelgruppe WHERE WG = 'Extra' ORDER BY rowid"));
    while (a.naechste()) extras.append({a.text(0), a.text(1)});
    return extras;
}
