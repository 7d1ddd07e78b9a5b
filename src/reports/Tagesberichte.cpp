#include "reports/Tagesberichte.h"

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "core/Sicherungslauf.h"
#include "reports/Berichte.h"
#include "reports/Kassenabschluss.h"

void mnuKassenbericht(Kontext& k) {
    if (!RechtPruefen(k, QStringLiteral("KassenberichtDrucken"))) return;
    const QDate tag = k.geschaeftstag();
    UmsaetzeAktualisieren(k);
    BerichtKasse(k, tag, tag);
}

void mnuKellnerbericht(Kontext& k) {
    if (!RechtPruefen(k, QStringLiteral("KellnerberichtDrucken"))) return;
    const QDate tag = k.geschaeftstag();
    UmsaetzeAktualisieren(k);
    BerichtEinKellner(k, k.werte.kellner, tag, tag);
}

void mnuKassenabschluss(Kontext& k) {
    if (!RechtPruefen(k, QStringLiteral("Kassenabschluss")) ||
        !k.dialoge.frage(KassenabschlussFrage(k)))
        return;
    const QDate tag = k.geschaeftstag();
    BerichtAlleKellner(k, tag, tag);
    UmsaetzeAbschliessen(k);
    DatensicherungDurchfuehren(k, false);
    BerichtKasse(k, tag, tag);
}
