#include "service/Zahlliste.h"

#include <QList>

#include "core/Kontext.h"
#include "service/Umbuchen.h"

void ZahllisteZurueckbuchen(Kontext& k) {
    Transaktion t(k.db);
    QList<Tischort> tische;
    {
        Abfrage a = k.db.abfrage(QStringLiteral("SELECT DISTINCT Station, Herkunft FROM "
                                                "OffeneTische WHERE Tisch = ? AND Herkunft <> ''"),
                                 kZahlen);
        while (a.naechste()) tische.append({a.text(0), a.text(1)});
    }
    for (const Tischort& tisch : tische) AllesUmbuchen(k, Zahlliste(tisch), tisch);
    t.bestaetigen();
}
