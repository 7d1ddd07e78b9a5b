#include "service/Senden.h"

#include <QList>

#include "core/Grenzen.h"
#include "core/Kontext.h"
#include "service/Tischzeile.h"
#include "service/Zeilenkopie.h"

namespace {

QString tischkellner(Kontext& k) {
    Abfrage a = k.db.abfrage(QStringLiteral("SELECT Kellner FROM OffeneTische WHERE Station = ? "
                                            "AND Tisch = ? AND TischDetails = 'Alt' "
                                            "ORDER BY ID LIMIT 1"),
                             k.werte.station, k.werte.tisch);
    return a.naechste() ? a.text(0) : k.werte.kellner;
}

struct NeueZeile {
    std::int64_t id;
    QString pluId;
    QString extra;
    Geld epreis;
    std::int64_t menge;
    QString notiz;
    QString gang;
};

QList<NeueZeile> neueZeilen(Kontext& k, const QString& gang) {
    QList<NeueZeile> zeilen;
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT ID, PLU_ID, Extra, EPREIS, Menge, Notiz, Gang FROM OffeneTische "
                       "WHERE ") +
            kSendeBedingung + QStringLiteral(" ORDER BY RegID, ID"),
        k.werte.station, k.werte.tisch, k.werte.kellner, gang);
    while (a.naechste())
        zeilen.append(
            {a.zahl(0), a.text(1), a.text(2), a.geld(3), a.zahl(4), a.text(5), a.text(6)});
    return zeilen;
}

// The sent line a new line without extras joins; 0 when there is none. A line
// that would then hold more than the largest quantity is no partner: the new
// line stays a line of its own. So does a line with a note to the kitchen, and
// a sent line with a note takes no other. Courses are served apart: a line
// joins only a line of its own course.
std::int64_t zielzeile(Kontext& k, const NeueZeile& n) {
    if (n.extra == kJa || !n.notiz.isEmpty()) return 0;
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT ID FROM OffeneTische WHERE Station = ? AND Tisch = ? AND "
                       "TischDetails = 'Alt' AND PLU = ? AND Extra = ? AND EPREIS = ? "
                       "AND Menge + ? <= ? AND coalesce(Notiz, '') = '' AND coalesce(Gang, '') = ? "
                       "ORDER BY ID LIMIT 1"),
        k.werte.station, k.werte.tisch, n.pluId, n.extra, n.epreis, n.menge, kHoechstmenge, n.gang);
    return a.naechste() ? a.zahl(0) : 0;
}

}  // namespace

void TischNeuesGerichtLoeschen(Kontext& k, const QString& gang) {
    Transaktion t(k.db);
    const QString kellner = tischkellner(k);
    for (const NeueZeile& n : neueZeilen(k, gang)) {
        if (const std::int64_t ziel = zielzeile(k, n)) {
            k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Menge = Menge + ?1, "
                                           "Menge_Text = (Menge + ?1) || 'x', "
                                           "GPREIS = (Menge + ?1) * EPREIS, Kellner = ?2 "
                                           "WHERE ID = ?3"),
                            n.menge, kellner, ziel);
            k.db.ausfuehren(QStringLiteral("DELETE FROM OffeneTische WHERE ID = ?"), n.id);
        } else {
            // Sent in place: the line keeps its ID, so its extras keep their group.
            k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET TischDetails = 'Alt', "
                                           "Kellner = ? WHERE ID = ?"),
                            kellner, n.id);
        }
    }
    t.bestaetigen();
}

void StornosTemporaerLoeschen(Kontext& k) {
    Transaktion t(k.db);
    QList<std::int64_t> ids;
    {
        Abfrage a = k.db.abfrage(QStringLiteral("SELECT ID FROM StornosTemporaer ORDER BY ID"));
        while (a.naechste()) ids.append(a.zahl(0));
    }
    Zeilenkopie kopie(k.db, QStringLiteral("StornosTemporaer"), QStringLiteral("Stornos"));
    const QString zeit = Stornozeit(k.jetzt());
    for (const std::int64_t id : ids) {
        k.db.ausfuehren(QStringLiteral("UPDATE Stornos SET Zeit = ? WHERE ID = ?"), zeit,
                        kopie.neu(id));
        k.db.ausfuehren(QStringLiteral("DELETE FROM StornosTemporaer WHERE ID = ?"), id);
    }
    t.bestaetigen();
}

bool TischNeuesGerichtPruefen(Kontext& k) {
    Abfrage a = k.db.abfrage(QStringLiteral("SELECT 1 FROM OffeneTische WHERE Station = ? AND "
                                            "Tisch = ? AND TischDetails = 'Neu' AND "
                                            "(Kellner = ? OR Gang IS NOT NULL) LIMIT 1"),
                             k.werte.station, k.werte.tisch, k.werte.kellner);
    return a.naechste();
}
