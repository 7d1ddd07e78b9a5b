#include "service/Bons.h"

#include "core/Kontext.h"
#include "service/Bonlayouts.h"
#include "service/Senden.h"
#include "ui/Druckziel.h"
#include "ui/bericht/Dokument.h"

namespace {

bool gleicheRolle(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The role is compared here rather than in SQL: SQLite folds the case of ASCII
// letters only, and the roles carry an umlaut.
Berichtsdaten nurRolle(Berichtsdaten daten, const QString& rolle) {
    std::erase_if(daten, [&](const Datenzeile& z) {
        return !gleicheRolle(z.value(QStringLiteral("Bondrucker")).toString(), rolle);
    });
    return daten;
}

void drucken(Kontext& k, Berichtslayout layout, const Berichtsdaten& daten, const QString& rolle,
             const QString& titel) {
    if (daten.empty()) return;
    layout.setzeText(kKopf, QStringLiteral("lblDruckerstation"), titel);
    layout.setzeText(kKopf, QStringLiteral("lblDatum"),
                     k.jetzt().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
    layout.setzeText(
        kKopf, QStringLiteral("lblStationUNDTisch"),
        k.werte.station + QStringLiteral("  -  ") + QStringLiteral("Tisch: ") + k.werte.tisch);
    layout.setzeText(kKopf, QStringLiteral("lblKellner"),
                     QStringLiteral("Kellner: ") + k.werte.kellner);
    Dokument bon = BerichtErzeugen(layout, daten);
    bon.titel = titel;
    bon.rolle = rolle;
    k.drucker.drucken(bon);
}

}  // namespace

void TischNeuesGericht(Kontext& k, const QString& rolle, const QString& titel,
                       const QString& gang) {
    // Ordered by group so an extra prints right under its dish, a line's note
    // right under the line. Only the lines this send takes.
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT PLU, Gericht || CASE WHEN coalesce(Notiz, '') = '' THEN '' "
                       "ELSE '\n» ' || Notiz END AS Gericht, Menge_Text, GPREIS, "
                       "Bondrucker FROM OffeneTische WHERE ") +
            kSendeBedingung + QStringLiteral(" ORDER BY RegID, ID"),
        k.werte.station, k.werte.tisch, k.werte.kellner, gang);
    Berichtslayout layout = gleicheRolle(rolle, kThekendrucker) ? ReportTheke() : ReportKüche();
    if (!gang.isEmpty()) GangUeberschrift(layout, gang);
    drucken(k, std::move(layout), nurRolle(BerichtsdatenAus(a), rolle), rolle, titel);
}

void Stornozettel(Kontext& k, const QString& rolle, const QString& titel) {
    // The kitchen must read what no longer to cook: the amount prints positive
    // whatever sign the row carries.
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT PLU, Gericht, Menge_Text, abs(GPREIS) AS GPREIS, Bondrucker "
                       "FROM StornosTemporaer WHERE Station = ? AND Tisch = ? "
                       "ORDER BY IDWG, RegID, ID"),
        k.werte.station, k.werte.tisch);
    drucken(k, ReportStornozettel(), nurRolle(BerichtsdatenAus(a), rolle), rolle, titel);
}
