#include "service/Gaenge.h"

#include "core/Kontext.h"
#include "service/Belegsignatur.h"
#include "service/Bons.h"
#include "service/Senden.h"
#include "ui/Absichern.h"

bool GangSetzen(Kontext& k, std::int64_t zeilenId, const QString& gang) {
    Transaktion t(k.db);
    // The line and its extras share the RegID; they are served together.
    if (k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Gang = ? WHERE RegID = "
                                       "(SELECT RegID FROM OffeneTische WHERE ID = ? AND "
                                       "Station = ? AND Tisch = ? AND Kellner = ? AND "
                                       "TischDetails = 'Neu') AND TischDetails = 'Neu'"),
                        gang.isEmpty() ? QVariant() : QVariant(gang), zeilenId, k.werte.station,
                        k.werte.tisch, k.werte.kellner) == 0) {
        k.dialoge.meldung(kGangNurNeu);
        return false;
    }
    t.bestaetigen();
    return true;
}

QStringList GehalteneGaenge(Kontext& k) {
    QStringList gaenge;
    for (const QString& gang : kGaenge) {
        Abfrage a = k.db.abfrage(QStringLiteral("SELECT 1 FROM OffeneTische WHERE Station = ? AND "
                                                "Tisch = ? AND TischDetails = 'Neu' AND Gang = ? "
                                                "LIMIT 1"),
                                 k.werte.station, k.werte.tisch, gang);
        if (a.naechste()) gaenge << gang;
    }
    return gaenge;
}

bool GangAbrufen(Kontext& k, const QString& gang) {
    if (gang.isEmpty() || !GehalteneGaenge(k).contains(gang)) {
        k.dialoge.meldung(kGangLeer.arg(gang));
        return false;
    }
    return Absichern(k, [&] {
        const QList<Bestellposten> posten = NeueBestellposten(k, gang);
        const Tsesignatur signatur = BestellungSignieren(k, posten);
        Transaktion t(k.db);
        BestellungJournalieren(k, posten, signatur);
        TischNeuesGericht(k, kThekendrucker, QStringLiteral("Thekenbon"), gang);
        TischNeuesGericht(k, kKuechendrucker, QStringLiteral("Küchenbon"), gang);
        TischNeuesGerichtLoeschen(k, gang);
        t.bestaetigen();
    });
}

bool GangAbrufenFragen(Kontext& k) {
    QStringList gaenge;
    if (!Absichern(k, [&] { gaenge = GehalteneGaenge(k); })) return false;
    if (gaenge.isEmpty()) {
        k.dialoge.meldung(kKeinGang);
        return false;
    }
    for (const QString& gang : gaenge)
        if (k.dialoge.frage(kGangFrage.arg(gang), QStringLiteral("Gang abrufen")))
            return GangAbrufen(k, gang);
    return false;
}
