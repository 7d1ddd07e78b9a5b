#include "reports/Berichtspapier.h"

#include <algorithm>

#include "core/Kontext.h"
#include "druck/Druckauftraege.h"
#include "druck/Druckerausgang.h"
#include "druck/Druckrollen.h"

namespace {

constexpr double kQuer = kBonbreite / kA4Breite;
constexpr double kSchriftmass = 0.65;
constexpr double kKleinsteSchrift = 7;  // pt, still read on a receipt

}  // namespace

Papier Berichtspapier(Kontext& k) {
    if (!k.druckerausgang) return Papier::A4;
    const QString drucker = DruckerDerRolle(k.db, *k.druckerausgang, kRolleBerichte);
    // PDF files are pages to read and to print on an office printer.
    if (drucker == kPdfOrdner) return Papier::A4;
    return k.druckerausgang->aufRolle(drucker) ? Papier::Rolle : Papier::A4;
}

Berichtslayout AufRolle(const Berichtslayout& a4) {
    Berichtslayout rolle(a4.titel(), kBonbreite);
    for (const QString& name : {kKopf, kDetail, kFuss}) {
        Berichtsbereich& bereich = rolle.bereich(name);
        bereich = a4.bereich(name);
        for (Berichtselement& e : bereich.elemente) {
            e.lage =
                QRectF(e.lage.x() * kQuer, e.lage.y(), e.lage.width() * kQuer, e.lage.height());
            e.schrift.punkt = std::max(kKleinsteSchrift, e.schrift.punkt * kSchriftmass);
        }
    }
    return rolle;
}
