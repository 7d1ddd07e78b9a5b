#include "service/Tischverlassen.h"

#include "core/Datenbank.h"
#include "core/Kontext.h"
#include "service/Bons.h"
#include "service/Senden.h"
#include "ui/Absichern.h"

// The tickets print outside any transaction, so a slow or stuck printer never
// keeps the file locked; what they announce is stored afterwards, in one
// transaction, and only when they have printed.
bool TischVerlassen(Kontext& k, const QString& thekenrolle) {
    const bool stornosGedruckt = Absichern(k, [&] {
        Stornozettel(k, kThekendrucker, QStringLiteral("Storno-Theke"));
        Stornozettel(k, kKuechendrucker, QStringLiteral("Storno-Küche"));
        StornosTemporaerLoeschen(k);
    });
    if (!stornosGedruckt) return false;
    return Absichern(k, [&] {
        TischNeuesGericht(k, thekenrolle, QStringLiteral("Thekenbon"));
        TischNeuesGericht(k, kKuechendrucker, QStringLiteral("Küchenbon"));
        TischNeuesGerichtLoeschen(k);
    });
}

bool EigeneZeilenAmTisch(Kontext& k) {
    auto a =
        k.db.abfrage(QStringLiteral("SELECT 1 FROM OffeneTische WHERE Station = ? AND Kellner = ? "
                                    "AND Tisch = ? LIMIT 1"),
                     k.werte.station, k.werte.kellner, k.werte.tisch);
    return a.naechste();
}
