#include "reports/Stornobericht.h"

#include "core/Kontext.h"

namespace {

// Range and, unless everybody, the waiter; an empty name never matches a row.
const QString kBedingung =
    QStringLiteral(" FROM Stornos WHERE Datum >= ? AND Datum <= ? AND (? OR Kellner = ?)");

}  // namespace

Tabelle Stornos(Kontext& k, const QDate& von, const QDate& bis, const QString& kellner) {
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT ID, Datum, Zeit, Station, Kellner, Tisch, PLU, Menge, Gericht, "
                       "EPREIS AS \"E-Preis\", Menge * EPREIS AS \"G-Preis\"") +
            kBedingung + QStringLiteral(" ORDER BY ID"),
        von, bis, kellner == kAlleKellner, kellner);
    return TabelleAus(a);
}

std::optional<Geld> StornoSumme(Kontext& k, const QDate& von, const QDate& bis,
                                const QString& kellner) {
    Abfrage a = k.db.abfrage(QStringLiteral("SELECT SUM(abs(Menge * EPREIS))") + kBedingung, von,
                             bis, kellner == kAlleKellner, kellner);
    if (!a.naechste() || a.istNull(0)) return std::nullopt;
    return a.geld(0);
}
