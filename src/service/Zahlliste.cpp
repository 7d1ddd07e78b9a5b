#include "service/Zahlliste.h"

#include <QList>

#include "core/Kontext.h"
#include "fiskal/Journal.h"
#include "service/Tischsperre.h"
#include "service/Umbuchen.h"

void ZahllisteZurueckbuchen(Kontext& k) {
    Transaktion t(k.db);
    QList<Tischort> tische;
    {
        // A table open at another till is being settled there.
        Abfrage a = k.db.abfrage(
            QStringLiteral("SELECT DISTINCT Station, Herkunft FROM OffeneTische o WHERE Tisch = ? "
                           "AND Herkunft <> '' AND NOT EXISTS (SELECT 1 FROM Tischsperren s "
                           "WHERE s.Station = o.Station AND s.Tisch = o.Herkunft AND ") +
                kFremdeSperre + QStringLiteral(")"),
            kZahlen, Kassenname(), SperreGueltigAb(k));
        while (a.naechste()) tische.append({a.text(0), a.text(1)});
    }
    for (const Tischort& tisch : tische) AllesUmbuchen(k, Zahlliste(tisch), tisch);
    t.bestaetigen();
}
