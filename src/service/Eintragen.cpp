#include "service/Eintragen.h"

#include "core/Grenzen.h"
#include "core/Kontext.h"
#include "fiskal/Steuersatz.h"
#include "service/Eingabe.h"
#include "service/Katalogartikel.h"
#include "service/Tischzeile.h"

namespace {

// Finds the open table's new drink line of the same article, unit price and
// VAT rate to merge into (lines with extras keep their own quantity, a line
// given away keeps its 0,00 €, a line of another course is served apart) and
// adds to it, or inserts a line; answers its ID. A merge beyond the largest quantity of a line is
// refused with its message.
std::optional<std::int64_t> zeileFuer(Kontext& k, const Katalogartikel& a, int menge) {
    Abfrage gefunden = k.db.abfrage(
        QStringLiteral(
            "SELECT ID, Menge FROM OffeneTische WHERE Station = ? AND Tisch = ? AND "
            "TischDetails = 'Neu' AND PLU = ? AND IDWG = ? AND Extra = 'Nein' AND "
            "EPREIS = ? AND MwStSatz = ? AND coalesce(Gang, '') = ? ORDER BY ID LIMIT 1"),
        k.werte.station, k.werte.tisch, a.plu, kGetraenke, a.epreis, a.mwstSatz, k.werte.gang);
    if (gefunden.naechste()) {
        const std::int64_t id = gefunden.zahl(0);
        if (gefunden.zahl(1) + menge > kHoechstmenge) {
            k.dialoge.meldung(kMengeZuHoch);
            return std::nullopt;
        }
        k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Menge = Menge + ? WHERE ID = ?"),
                        menge, id);
        return id;
    }
    k.db.ausfuehren(QStringLiteral("INSERT INTO OffeneTische (Menge) VALUES (?)"), menge);
    return k.db.letzteId();
}

std::optional<int> mengeGeprueft(Kontext& k, const QString& text) {
    const auto menge = MengeLesen(text);
    if (!menge) k.dialoge.meldung(kMengeUngueltig);
    return menge;
}

bool eintragen(Kontext& k, const Katalogartikel& a, int menge) {
    Transaktion t(k.db);
    const auto id = zeileFuer(k, a, menge);
    if (!id) return false;
    const QDateTime jetzt = k.jetzt();
    k.db.ausfuehren(
        QStringLiteral(
            "UPDATE OffeneTische SET RegID = ID, Kellner = ?, Station = ?, Tisch = ?, "
            "TischDetails = 'Neu', Stationsdrucker = ?, Bondrucker = ?, IDWG = ?, WG = ?, "
            "Gericht = ?, EPREIS = ?, PLU = ?, PLU_ID = ?, Extra = 'Nein', Kommentar = 'Nein', "
            "Menge_Text = Menge || 'x', GPREIS = Menge * ?, Datum = ?, Zeit = ?, MwStSatz = ?, "
            "Gang = ? WHERE ID = ?"),
        k.werte.kellner, k.werte.station, k.werte.tisch, a.stationsdrucker, a.bondrucker, a.idwg,
        a.wg, a.gericht, a.epreis, a.plu, a.plu, a.epreis, Geschaeftstag(jetzt),
        Eintragszeit(jetzt), a.mwstSatz,
        k.werte.gang.isEmpty() ? QVariant() : QVariant(k.werte.gang), *id);
    t.bestaetigen();
    return true;
}

}  // namespace

bool GerichtEintragen(Kontext& k, const QString& plu, const QString& menge) {
    const auto anzahl = mengeGeprueft(k, menge);
    if (!anzahl) return false;
    const auto artikel = KatalogartikelLesen(k.db, plu);
    if (!artikel) {
        k.dialoge.meldung(kGerichtUnbekannt);
        return false;
    }
    if (!artikel->mwstSatz) {
        k.dialoge.meldung(kSteuersatzFehlt);
        return false;
    }
    return eintragen(k, *artikel, *anzahl);
}

bool FreiesGerichtEintragen(Kontext& k, const QString& rolle, const QString& plu,
                            const QString& menge, const QString& gericht, Geld preis) {
    const auto anzahl = mengeGeprueft(k, menge);
    if (!anzahl) return false;
    if (preis > kHoechstpreis) {
        k.dialoge.meldung(kPreisZuHoch);
        return false;
    }
    // Drinks carry the standard rate, food served here the reduced one.
    const bool getraenk = plu == kFreiesGetraenk;
    return eintragen(
        k,
        Katalogartikel{plu, std::nullopt, getraenk ? kGetraenke : QStringLiteral("Speisen"),
                       gericht, preis, rolle, rolle, getraenk ? kRegelsatz : kErmaessigterSatz},
        *anzahl);
}
