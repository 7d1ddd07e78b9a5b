#include "reports/Tagesberichte.h"

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "reports/Berichte.h"
#include "reports/Kassenabschluss.h"

namespace {

bool erlaubt(Kontext& k, const QString& recht) {
    if (RechteAbfrage(k, k.werte.kellner, recht)) return true;
    k.dialoge.meldung(kKeineRechte);
    return false;
}

}  // namespace

void mnuKassenbericht(Kontext& k) {
    if (!erlaubt(k, QStringLiteral("KassenberichtDrucken"))) return;
    const QDate tag = k.geschaeftstag();
    UmsaetzeAktualisieren(k);
    BerichtKasse(k, tag, tag);
}

void mnuKellnerbericht(Kontext& k) {
    if (!erlaubt(k, QStringLiteral("KellnerberichtDrucken"))) return;
    const QDate tag = k.geschaeftstag();
    UmsaetzeAktualisieren(k);
    BerichtEinKellner(k, k.werte.kellner, tag, tag);
}

void mnuKassenabschluss(Kontext& k) {
    if (!erlaubt(k, QStringLiteral("Kassenabschluss"))) return;
    const QDate tag = k.geschaeftstag();
    BerichtAlleKellner(k, tag, tag);
    UmsaetzeAbschliessen(k);
    BerichtKasse(k, tag, tag);
}
