#include "service/Bonlayouts.h"

namespace {

// Kitchen staff read these from a distance: the dish and its quantity are large.
const Schrift kTitel{14, true};
const Schrift kKopfzeile{9, false};
const Schrift kTisch{11, true};
const Schrift kPosten{11, true};
const Schrift kKlein{9, false};

Berichtslayout bon(bool mitPLU, const QString& schlusszeichen) {
    Berichtslayout l(QStringLiteral("Bon"), kBonbreite);

    l.bezeichnung(kKopf, QStringLiteral("lblDruckerstation"), {0, 0, kBonbreite, 9}, {}, kTitel,
                  Ausrichtung::Mitte);
    l.bezeichnung(kKopf, QStringLiteral("lblDatum"), {0, 10, kBonbreite, 5}, {}, kKopfzeile);
    l.bezeichnung(kKopf, QStringLiteral("lblStationUNDTisch"), {0, 15, kBonbreite, 6}, {}, kTisch);
    l.bezeichnung(kKopf, QStringLiteral("lblKellner"), {0, 21, kBonbreite, 5}, {}, kKopfzeile);
    l.linie(kKopf, QStringLiteral("Linie2"), {0, 27.5, kBonbreite, 0});
    l.bereich(kKopf).hoehe = 29;

    const double gerichtLinks = mitPLU ? 19 : 10;
    l.textfeld(kDetail, QStringLiteral("txtSummeMenge"), {0, 0, 10, 6},
               QStringLiteral("Menge_Text"), {}, kPosten);
    if (mitPLU)
        l.textfeld(kDetail, QStringLiteral("txtPLU"), {10, 0, 9, 6}, QStringLiteral("PLU"), {},
                   kKlein);
    l.textfeld(kDetail, QStringLiteral("txtGericht"), {gerichtLinks, 0, 56 - gerichtLinks, 6},
               QStringLiteral("Gericht"), {}, kPosten)
        .wachsen = true;
    l.textfeld(kDetail, QStringLiteral("txtSummeEPREIS"), {56, 0, 16, 6}, QStringLiteral("GPREIS"),
               QStringLiteral("#####0.00"), kKlein, Ausrichtung::Rechts);
    l.linie(kDetail, QStringLiteral("Linie1"), {0, 7, kBonbreite, 0});
    l.bereich(kDetail).hoehe = 8;

    // Room below the mark so the cutter does not cut through the last line.
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung1"), {0, 2, kBonbreite, 8}, schlusszeichen,
                  kTitel, Ausrichtung::Mitte);
    l.bereich(kFuss).hoehe = 16;
    return l;
}

}  // namespace

Berichtslayout ReportTheke() { return bon(false, QStringLiteral("*")); }
Berichtslayout ReportKüche() { return bon(true, QStringLiteral("***")); }
Berichtslayout ReportStornozettel() { return bon(true, QStringLiteral("*")); }

void GangUeberschrift(Berichtslayout& layout, const QString& gang) {
    const double oben = layout.bereich(kKopf).hoehe;
    layout.bezeichnung(kKopf, QStringLiteral("lblGang"), {0, oben, kBonbreite, 9}, gang, kTitel,
                       Ausrichtung::Mitte);
    layout.linie(kKopf, QStringLiteral("LinieGang"), {0, oben + 10, kBonbreite, 0});
    layout.bereich(kKopf).hoehe = oben + 11.5;
}
