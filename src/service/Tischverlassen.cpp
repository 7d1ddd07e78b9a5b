#include "service/Tischverlassen.h"

#include "core/Datenbank.h"
#include "core/Kontext.h"
#include "service/Belegsignatur.h"
#include "service/Bons.h"
#include "service/Senden.h"
#include "ui/Absichern.h"

bool TischVerlassen(Kontext& k, const QString& thekenrolle) {
    return Absichern(k, [&] {
        const QList<Bestellposten> posten = NeueBestellposten(k);
        const Tsesignatur signatur = BestellungSignieren(k, posten);
        Transaktion t(k.db);
        BestellungJournalieren(k, posten, signatur);
        Stornozettel(k, kThekendrucker, QStringLiteral("Storno-Theke"));
        Stornozettel(k, kKuechendrucker, QStringLiteral("Storno-Küche"));
        StornosTemporaerLoeschen(k);
        TischNeuesGericht(k, thekenrolle, QStringLiteral("Thekenbon"));
        TischNeuesGericht(k, kKuechendrucker, QStringLiteral("Küchenbon"));
        TischNeuesGerichtLoeschen(k);
        t.bestaetigen();
    });
}

bool EigeneZeilenAmTisch(Kontext& k) {
    auto a =
        k.db.abfrage(QStringLiteral("SELECT 1 FROM OffeneTische WHERE Station = ? AND Kellner = ? "
                                    "AND Tisch = ? LIMIT 1"),
                     k.werte.station, k.werte.kellner, k.werte.tisch);
    return a.naechste();
}
