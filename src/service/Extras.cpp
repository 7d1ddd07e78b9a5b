#include "service/Extras.h"

#include <vector>

#include "core/Kontext.h"
#include "fiskal/Steuersatz.h"
#include "service/Katalogartikel.h"
#include "service/Tischzeile.h"

bool ExtraEintragen(Kontext& k, std::int64_t zeilenId, const QStringList& extraPlus) {
    // Each extra is taxed at its own article's rate: one without a valid rate
    // stops the whole choice before anything is stored.
    std::vector<Katalogartikel> extras;
    for (const QString& plu : extraPlus) {
        auto extra = KatalogartikelLesen(k.db, plu);
        if (!extra) continue;
        if (!extra->mwstSatz) {
            k.dialoge.meldung(kSteuersatzFehlt);
            return false;
        }
        extras.push_back(std::move(*extra));
    }
    Transaktion t(k.db);
    Abfrage zeile =
        k.db.abfrage(QStringLiteral("SELECT Menge FROM OffeneTische WHERE ID = ?"), zeilenId);
    if (!zeile.naechste()) return false;
    const std::int64_t menge = zeile.zahl(0);
    k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Extra = 'Ja' WHERE ID = ?"), zeilenId);
    const QDateTime jetzt = k.jetzt();
    for (const Katalogartikel& extra : extras) {
        k.db.ausfuehren(
            QStringLiteral(
                "INSERT INTO OffeneTische (RegID, Kellner, Station, Tisch, TischDetails, "
                "Stationsdrucker, Bondrucker, IDWG, WG, PLU, PLU_ID, Extra, Kommentar, Menge, "
                "Gericht, EPREIS, GPREIS, Datum, Zeit, MwStSatz, Gang) "
                "VALUES (?, ?, ?, ?, 'Neu', ?, ?, ?, ?, '', ?, 'Ja', 'Nein', ?, ?, ?, ?, ?, ?, ?, "
                "(SELECT Gang FROM OffeneTische WHERE ID = ?))"),
            zeilenId, k.werte.kellner, k.werte.station, k.werte.tisch, extra.stationsdrucker,
            extra.bondrucker, extra.idwg, extra.wg, extra.plu, menge,
            QStringLiteral("+ ") + MengeText(menge) + QLatin1Char(' ') + extra.gericht,
            extra.epreis, extra.epreis * menge, Geschaeftstag(jetzt), Eintragszeit(jetzt),
            extra.mwstSatz, zeilenId);
    }
    t.bestaetigen();
    return true;
}

bool ExtraBereitsGewaehlt(Kontext& k, std::int64_t regId, const QString& extraPlu,
                          const QString& extraGericht) {
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT 1 FROM OffeneTische WHERE RegID = ? AND PLU_ID = ? LIMIT 1"), regId,
        extraPlu);
    if (!a.naechste()) return false;
    k.dialoge.meldung(ExtraGewaehltMeldung(extraGericht));
    return true;
}
