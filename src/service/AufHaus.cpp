#include "service/AufHaus.h"

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalinhalte.h"
#include "fiskal/tse/Tsebuchung.h"
#include "service/Belegsignatur.h"
#include "service/Umbuchen.h"
#include "service/Zeilenkopie.h"

bool AufHaus(Kontext& k, const Tischort& ort, std::int64_t id) {
    if (!RechtPruefen(k, QStringLiteral("Rabatte"))) return false;
    std::int64_t menge = 0;
    {
        Abfrage zeile = k.db.abfrage(
            QStringLiteral("SELECT EPREIS, Menge FROM OffeneTische WHERE ID = ? AND ") +
                kOrtBedingung,
            id, ort.station, ort.tisch, ort.herkunft);
        if (!zeile.naechste()) {
            k.dialoge.meldung(kGerichtNichtGefunden);
            return false;
        }
        if (zeile.geld(0).istNull()) {
            k.dialoge.meldung(kSchonAufHaus);
            return false;
        }
        menge = zeile.zahl(1);
    }
    // Taken back at its price and given again at nothing.
    const Tsesignatur signatur = ZeileSignieren(k, id, menge, Geld());
    Transaktion t(k.db);
    JournalMitTse(k, kJournalAufHaus, Posteninhalt(k, id), signatur);
    const std::int64_t log =
        Zeilenkopie(k.db, QStringLiteral("OffeneTische"), QStringLiteral("Stornos")).neu(id);
    const QDateTime jetzt = k.jetzt();
    k.db.ausfuehren(QStringLiteral("UPDATE Stornos SET Tisch = ?, Herkunft = NULL, Kellner = ?, "
                                   "Gericht = Gericht || ' (' || ? || ')', Kommentar = ?, "
                                   "Datum = ?, Zeit = ? WHERE ID = ?"),
                    ort.herkunft.isEmpty() ? ort.tisch : ort.herkunft, k.werte.kellner, kAufHaus,
                    kAufHaus, Geschaeftstag(jetzt), Stornozeit(jetzt), log);
    k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET EPREIS = 0, GPREIS = 0 WHERE ID = ?"),
                    id);
    t.bestaetigen();
    return true;
}
