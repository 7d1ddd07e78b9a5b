#include "service/Stornieren.h"

#include <QList>
#include <cstdlib>
#include <optional>

#include "core/Kontext.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalinhalte.h"
#include "fiskal/tse/Tsebuchung.h"
#include "service/Anzahl.h"
#include "service/Belegsignatur.h"
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

// A line cancelled with its group, signed when it had been sent.
struct Stornoposten {
    std::int64_t id;
    bool gesendet;
    Tsesignatur signatur;
};

// The lines the query finds, read to the end and then signed: all before the
// cancellation's transaction.
template <typename... Werte>
QList<Stornoposten> stornoposten(Kontext& k, const QString& sql, const Werte&... werte) {
    QList<Stornoposten> zeilen;
    QList<std::int64_t> mengen;
    {
        Abfrage a = k.db.abfrage(sql, werte...);
        while (a.naechste()) {
            zeilen.append({a.zahl(0), a.text(1) == kAlt, {}});
            mengen.append(a.zahl(2));
        }
    }
    for (int i = 0; i < zeilen.size(); ++i)
        if (zeilen[i].gesendet) zeilen[i].signatur = ZeileSignieren(k, zeilen[i].id, mengen[i]);
    return zeilen;
}

// Sent lines become pending cancellations keeping their waiter and amount,
// new lines are deleted without trace.
void stornieren(Kontext& k, const QList<Stornoposten>& zeilen) {
    Zeilenkopie kopie(k.db, kOffeneTische, kStornosTemporaer);
    const QString zeit = Stornozeit(k.jetzt());
    for (const Stornoposten& z : zeilen) {
        JournalMitTse(k, kJournalStorno, Posteninhalt(k, z.id), z.signatur);
        // Kitchen and bar never saw a new line: nothing to announce as cancelled.
        if (z.gesendet)
            k.db.ausfuehren(QStringLiteral("UPDATE StornosTemporaer SET Menge = -Menge, "
                                           "Menge_Text = (-Menge) || 'x', Zeit = ? WHERE ID = ?"),
                            zeit, kopie.neu(z.id));
        k.db.ausfuehren(QStringLiteral("DELETE FROM OffeneTische WHERE ID = ?"), z.id);
    }
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
    // Only what bar and kitchen were sent is taken back on the TSE.
    const Tsesignatur signatur = modus == kAlt ? ZeileSignieren(k, id, n) : Tsesignatur{};
    Transaktion t(k.db);
    JournalMitTse(k, kJournalStorno, Posteninhalt(k, id, n), signatur);
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
    const QList<Stornoposten> zeilen = stornoposten(
        k,
        QStringLiteral("SELECT ID, TischDetails, Menge FROM OffeneTische WHERE RegID = ? "
                       "ORDER BY ID"),
        regId);
    Transaktion t(k.db);
    stornieren(k, zeilen);
    t.bestaetigen();
    return !zeilen.isEmpty();
}

bool TischStornieren(Kontext& k) {
    const QList<Stornoposten> zeilen = stornoposten(
        k,
        QStringLiteral("SELECT ID, TischDetails, Menge FROM OffeneTische WHERE Station = ? AND "
                       "Tisch = ? ORDER BY RegID, ID"),
        k.werte.station, k.werte.tisch);
    Transaktion t(k.db);
    stornieren(k, zeilen);
    t.bestaetigen();
    return !zeilen.isEmpty();
}
