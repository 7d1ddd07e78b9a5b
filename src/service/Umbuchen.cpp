#include "service/Umbuchen.h"

#include <QRegularExpression>
#include <vector>

#include "core/Grenzen.h"
#include "core/Kontext.h"
#include "service/Anzahl.h"
#include "service/Zeilenkopie.h"

namespace {

QList<Tischzeile> lesen(Abfrage a) {
    QList<Tischzeile> zeilen;
    while (a.naechste()) zeilen << Tischzeile::lesen(a);
    return zeilen;
}

const QString kQuelle = QStringLiteral("SELECT * FROM OffeneTische WHERE ") + kOrtBedingung;

// The equal plain line at the destination a moved plain line merges into (same
// article, price, VAT rate, note and course); one that would then hold more
// than the largest quantity is none.
std::optional<std::int64_t> partner(Kontext& k, const Tischort& nach, const Tischzeile& z,
                                    std::int64_t dazu) {
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT ID FROM OffeneTische WHERE ") + kOrtBedingung +
            QStringLiteral(
                " AND TischDetails = 'Alt' AND PLU_ID = ? AND EPREIS = ? AND "
                "MwStSatz = ? AND COALESCE(Extra, '') <> 'Ja' AND Menge + ? <= ? AND "
                "COALESCE(Notiz, '') = ? AND COALESCE(Gang, '') = ? ORDER BY ID LIMIT 1"),
        nach.station, nach.tisch, nach.herkunft, z.pluId, z.epreis, z.mwstSatz, dazu, kHoechstmenge,
        z.notiz, z.gang);
    if (!a.naechste()) return std::nullopt;
    return a.zahl(0);
}

void mengeSetzen(Kontext& k, std::int64_t id, std::int64_t menge) {
    k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Menge = ?1, Menge_Text = ?2, "
                                   "GPREIS = ?1 * EPREIS WHERE ID = ?3"),
                    menge, MengeText(menge), id);
}

void mengeHinzufuegen(Kontext& k, std::int64_t id, std::int64_t dazu) {
    k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Menge = Menge + ?1, "
                                   "Menge_Text = (Menge + ?1) || 'x', "
                                   "GPREIS = (Menge + ?1) * EPREIS WHERE ID = ?2"),
                    dazu, id);
}

void verlegen(Kontext& k, std::int64_t id, const Tischort& nach) {
    k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Station = ?, Tisch = ?, "
                                   "Herkunft = NULLIF(?, '') WHERE ID = ?"),
                    nach.station, nach.tisch, nach.herkunft, id);
}

void loeschen(Kontext& k, std::int64_t id) {
    k.db.ausfuehren(QStringLiteral("DELETE FROM OffeneTische WHERE ID = ?"), id);
}

// Copies a line onto the destination with a new quantity, quantity text and
// dish text; the line total follows the quantity. Answers the new line's ID.
std::int64_t kopieren(Kontext& k, std::int64_t id, const Tischort& nach, std::int64_t menge,
                      const QString& mengeText, const QString& gericht) {
    const std::int64_t neu =
        Zeilenkopie(k.db, QStringLiteral("OffeneTische"), QStringLiteral("OffeneTische")).neu(id);
    verlegen(k, neu, nach);
    k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Menge = ?1, Menge_Text = ?2, "
                                   "Gericht = ?3, GPREIS = ?1 * EPREIS WHERE ID = ?4"),
                    menge, mengeText, gericht, neu);
    return neu;
}

// A split-off part starts its own group, so a later cancellation or move of the
// group on one table never reaches the other table's part.
void gruppeSetzen(Kontext& k, std::int64_t id, std::int64_t regId) {
    k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET RegID = ? WHERE ID = ?"), regId, id);
}

// An extra line reads "+ 2x Ketchup": the prefix carries the quantity.
QString extraText(const QString& gericht, std::int64_t menge) {
    static const QRegularExpression praefix(QStringLiteral("^\\+ -?\\d+x (.*)$"));
    const auto treffer = praefix.match(gericht);
    const QString name = treffer.hasMatch() ? treffer.captured(1) : gericht;
    return QStringLiteral("+ %1x %2").arg(menge).arg(name);
}

// Splits n off a line onto the destination: the source keeps the rest.
// Answers the new line's ID.
std::int64_t teilen(Kontext& k, const Tischzeile& z, const Tischort& nach, std::int64_t n) {
    if (z.plu.isEmpty()) {
        const auto neu = kopieren(k, z.id, nach, n, QString(), extraText(z.gericht, n));
        k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Menge = ?1, Gericht = ?2, "
                                       "GPREIS = ?1 * EPREIS WHERE ID = ?3"),
                        z.menge - n, extraText(z.gericht, z.menge - n), z.id);
        return neu;
    }
    const auto neu = kopieren(k, z.id, nach, n, MengeText(n), z.gericht);
    mengeSetzen(k, z.id, z.menge - n);
    return neu;
}

// The quantity to move: the whole line when it holds one, else asked on the pad.
std::optional<std::int64_t> anzahl(Kontext& k, std::int64_t menge) {
    if (menge == 1) return 1;
    const auto n = AnzahlFragen(k);
    if (!n || *n < 1 || *n > menge) return std::nullopt;
    return n;
}

}  // namespace

void AllesUmbuchen(Kontext& k, const Tischort& von, const Tischort& nach) {
    Transaktion t(k.db);
    const auto zeilen =
        lesen(k.db.abfrage(kQuelle + QStringLiteral(" AND TischDetails = 'Alt' ORDER BY ID"),
                           von.station, von.tisch, von.herkunft));
    for (const Tischzeile& z : zeilen) {
        const auto p = z.extra == kJa ? std::nullopt : partner(k, nach, z, z.menge);
        if (p) {
            mengeHinzufuegen(k, *p, z.menge);
            loeschen(k, z.id);
        } else {
            verlegen(k, z.id, nach);
        }
    }
    t.bestaetigen();
}

bool NurGerichtUmbuchen(Kontext& k, const Tischort& von, const Tischort& nach, const QString& plu,
                        Geld epreis) {
    const auto zeilen = lesen(k.db.abfrage(
        kQuelle + QStringLiteral(" AND TischDetails = 'Alt' AND PLU = ? AND EPREIS = ? AND "
                                 "COALESCE(Extra, '') <> 'Ja' ORDER BY ID LIMIT 1"),
        von.station, von.tisch, von.herkunft, plu, epreis));
    if (zeilen.empty()) return false;
    const Tischzeile& z = zeilen.front();
    const auto n = anzahl(k, z.menge);
    if (!n) return true;

    Transaktion t(k.db);
    const auto p = partner(k, nach, z, *n);
    if (*n == z.menge) {
        if (p) {
            mengeHinzufuegen(k, *p, z.menge);
            loeschen(k, z.id);
        } else {
            verlegen(k, z.id, nach);
        }
    } else if (p) {
        mengeHinzufuegen(k, *p, *n);
        mengeSetzen(k, z.id, z.menge - *n);
    } else {
        const auto neu = teilen(k, z, nach, *n);
        gruppeSetzen(k, neu, neu);
    }
    t.bestaetigen();
    return true;
}

bool NurGerichtUmbuchenExtraNichtGleich(Kontext& k, const Tischort& von, const Tischort& nach,
                                        std::int64_t regId) {
    const auto gruppe = lesen(k.db.abfrage(
        kQuelle + QStringLiteral(" AND TischDetails = 'Alt' AND RegID = ? ORDER BY ID"),
        von.station, von.tisch, von.herkunft, regId));
    if (gruppe.empty()) return false;
    // The article line and its extras carry the same quantity.
    const std::int64_t menge = gruppe.front().menge;
    const auto n = anzahl(k, menge);
    if (!n) return true;

    Transaktion t(k.db);
    if (*n == menge) {
        for (const Tischzeile& z : gruppe) verlegen(k, z.id, nach);
    } else {
        std::vector<std::int64_t> neue;
        std::int64_t neueGruppe = 0;
        for (const Tischzeile& z : gruppe) {
            neue.push_back(teilen(k, z, nach, *n));
            if (!z.plu.isEmpty() && neueGruppe == 0) neueGruppe = neue.back();
        }
        for (const auto id : neue) gruppeSetzen(k, id, neueGruppe ? neueGruppe : neue.front());
    }
    t.bestaetigen();
    return true;
}

void MarkierteZeileUmbuchen(Kontext& k, const Tischort& von, const Tischort& nach,
                            const Tischzeile& zeile, const QString& leerMeldung) {
    if (IstExtra(zeile)) return;
    if (HatExtras(zeile)) {
        if (!NurGerichtUmbuchenExtraNichtGleich(k, von, nach, zeile.regId))
            k.dialoge.meldung(kGerichtNichtGefunden);
    } else if (!NurGerichtUmbuchen(k, von, nach, zeile.plu, zeile.epreis)) {
        k.dialoge.meldung(leerMeldung);
    }
}
