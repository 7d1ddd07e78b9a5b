#include "reports/Tagesberichte.h"

#include <QFileInfo>

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "core/Sicherungslauf.h"
#include "fiskal/Exportzeitraum.h"
#include "fiskal/Journalexport.h"
#include "reports/Berichte.h"
#include "reports/Kassenabschluss.h"
#include "service/Tischsperre.h"

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
    if (!RechtPruefen(k, QStringLiteral("Kassenabschluss"))) return;
    // The closing takes every bill of the day: none may be half-way at another till.
    if (const QStringList offen = FremdeTische(k); !offen.isEmpty()) {
        k.dialoge.meldung(QStringLiteral("Kassenabschluss nicht möglich: an anderen Kassen sind "
                                         "Tische geöffnet: ") +
                          offen.join(QStringLiteral(", ")));
        return;
    }
    if (!k.dialoge.frage(KassenabschlussFrage(k))) return;
    const QDate tag = k.geschaeftstag();
    BerichtAlleKellner(k, tag, tag);
    UmsaetzeAbschliessen(k);
    DatensicherungDurchfuehren(k, false);
    BerichtKasse(k, tag, tag);
}

void mnuJournalExport(Kontext& k) {
    if (!RechtPruefen(k, QStringLiteral("Kassenabschluss"))) return;
    const QString titel = QStringLiteral("Journal exportieren");
    const auto ordner =
        k.dialoge.eingabe(QStringLiteral("Ordner für die CSV-Dateien:"), titel, k.db.ordner());
    if (!ordner) return;
    const auto zeitraum = ZeitraumFragen(k, titel);
    if (!zeitraum) return;
    k.dialoge.meldung(JournalExportieren(k.db, *ordner, zeitraum->first, zeitraum->second).meldung);
}
