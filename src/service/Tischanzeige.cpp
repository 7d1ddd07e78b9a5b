#include "service/Tischanzeige.h"

#include "core/Kontext.h"

void OffeneTischeAnzeigen(Kontext& k, Tischanzeige& anzeige, const QString& tisch,
                          const QString& modus) {
    QList<Tischzeile> zeilen;
    // Held courses show among the sent lines: they are ordered, only not called yet.
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT * FROM OffeneTische WHERE Station = ?1 AND Tisch = ?2 AND "
                       "(TischDetails = ?3 OR (?3 = 'Alt' AND TischDetails = 'Neu' AND "
                       "Gang IS NOT NULL)) ORDER BY RegID, ID"),
        k.werte.station, tisch, modus);
    while (a.naechste()) zeilen.append(Tischzeile::lesen(a));
    anzeige.modell.setzen(std::move(zeilen));
    anzeige.modus = modus;
    SummeTischAnzeigen(k, anzeige, modus);
}

void SummeTischAnzeigen(Kontext& k, Tischanzeige& anzeige, const QString& modus) {
    const QString sql =
        QStringLiteral("SELECT Sum(GPREIS) FROM OffeneTische WHERE Station = ? AND Tisch = ?");
    Abfrage a = modus == kAlt ? k.db.abfrage(sql, k.werte.station, k.werte.tisch)
                              : k.db.abfrage(sql + QStringLiteral(" AND TischDetails = ?"),
                                             k.werte.station, k.werte.tisch, modus);
    a.naechste();
    const QString station = k.werte.station + QStringLiteral("   ");
    if (a.istNull(0)) {
        anzeige.summe.reset();
        anzeige.ueberschrift = station + QStringLiteral("Tisch ") + k.werte.tisch;
    } else {
        anzeige.summe = a.geld(0);
        anzeige.ueberschrift = station + QStringLiteral("Tisch: ") + k.werte.tisch;
    }
}
