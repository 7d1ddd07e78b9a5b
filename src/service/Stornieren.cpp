#include "service/Stornieren.h"

#include <QList>
#include <cstdlib>
#include <optional>

#include "core/Kontext.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalinhalte.h"
#include "service/Anzahl.h"
#include "service/Tischzeile.h"
#include "service/Zeilenkopie.h"

namespace {

const QString kOffeneTische = QStringLiteral("OffeneTische");
const QString kStornosTemporaer = QStringLiteral("StornosTemporaer");

std::optional<Tischzeile> zeileLesen(Datenbank& db, std::int64_t id, const QString& modus) {
    Abfrage a = db.abfrage(
        QStringLiteral("SELECT * FROM OffeneTische WHERE ID = ? AND TischDetails = ?"), id, modus);
    if (!a.naechste()) return std::nullopt;
    return Tischzeile::lesen(a);
}

// Records n of a sent line as pending cancellation. Repeated cancellations of
// the same article, price and VAT rate on this table add up in one pending
// row, so the ticket shows one line per dish.
void stornoVermerken(Kontext& k, const Tischzeile& zeile, std::int64_t n) {
    Zeilenkopie kopie(k.db, kOffeneTische, kStornosTemporaer);
    Abfrage offen = k.db.abfrage(
        QStringLiteral("SELECT ID, Menge FROM StornosTemporaer WHERE Station = ? AND Tisch = ? "
                       "AND PLU = ? AND EPREIS = ? AND MwStSatz = ? ORDER BY ID LIMIT 1"),
        zeile.station, zeile.tisch, zeile.plu, zeile.epreis, zeile.mwstSatz);
    std::int64_t q = n;
    std::int64_t stornoId = 0;
    if (offen.naechste()) {
        stornoId = offen.zahl(0);
        q += std::abs(offen.zahl(1));
        kopie.ueber(zeile.id, stornoId);
    } else {
        stornoId = kopie.neu(zeile.id);
    }
    k.db.ausfuehren(QStringLiteral("UPDATE StornosTemporaer SET Menge = ?, Menge_Text = ?, "
                                   "GPREIS = EPREIS * ?, Zeit = ?, Kellner = ? WHERE ID = ?"),
                    -q, MengeText(-q), q, Stornozeit(k.jetzt()), k.werte.kellner, stornoId);
}

}  // namespace

bool GerichtStornieren(Kontext& k, std::int64_t id, const QString& modus) {
    const auto zeile = zeileLesen(k.db, id, modus);
    if (!zeile) return false;
    std::int64_t n = zeile->menge;
    // An extra line has no quantity of its own: it goes whole.
    if (zeile->menge > 1 && !zeile->mengeText.isEmpty()) {
        const auto anzahl = AnzahlFragen(k);
        if (!anzahl || *anzahl < 1 || *anzahl > zeile->menge) return false;
        n = *anzahl;
    }
    Transaktion t(k.db);
    JournalAnhaengen(k, kJournalStorno, Posteninhalt(k, id, n));
    if (modus == kAlt) stornoVermerken(k, *zeile, n);
    if (n == zeile->menge)
        k.db.ausfuehren(QStringLiteral("DELETE FROM OffeneTische WHERE ID = ?"), id);
    else
        k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Menge = Menge - ?1, "
                                       "Menge_Text = (Menge - ?1) || 'x', "
                                       "GPREIS = (Menge - ?1) * EPREIS WHERE ID = ?2"),
                        n, id);
    t.bestaetigen();
    return true;
}

bool GruppeStornieren(Kontext& k, std::int64_t regId) {
    Transaktion t(k.db);
    QList<std::pair<std::int64_t, bool>> zeilen;  // ID, sent
    {
        Abfrage a = k.db.abfrage(
            QStringLiteral("SELECT ID, TischDetails FROM OffeneTische WHERE RegID = ? ORDER BY ID"),
            regId);
        while (a.naechste()) zeilen.append({a.zahl(0), a.text(1) == kAlt});
    }
    Zeilenkopie kopie(k.db, kOffeneTische, kStornosTemporaer);
    const QString zeit = Stornozeit(k.jetzt());
    for (const auto& [id, gesendet] : zeilen) {
        JournalAnhaengen(k, kJournalStorno, Posteninhalt(k, id));
        // Kitchen and bar never saw a new line: nothing to announce as cancelled.
        if (gesendet)
            k.db.ausfuehren(QStringLiteral("UPDATE StornosTemporaer SET Menge = -Menge, "
                                           "Menge_Text = (-Menge) || 'x', Zeit = ? WHERE ID = ?"),
                            zeit, kopie.neu(id));
        k.db.ausfuehren(QStringLiteral("DELETE FROM OffeneTische WHERE ID = ?"), id);
    }
    t.bestaetigen();
    return !zeilen.isEmpty();
}

bool TischStornieren(Kontext& k) {
    Transaktion t(k.db);
    QList<std::int64_t> gruppen;
    {
        Abfrage a = k.db.abfrage(QStringLiteral("SELECT DISTINCT RegID FROM OffeneTische "
                                                "WHERE Station = ? AND Tisch = ? ORDER BY RegID"),
                                 k.werte.station, k.werte.tisch);
        while (a.naechste()) gruppen.append(a.zahl(0));
    }
    for (const std::int64_t regId : gruppen) GruppeStornieren(k, regId);
    t.bestaetigen();
    return !gruppen.isEmpty();
}
