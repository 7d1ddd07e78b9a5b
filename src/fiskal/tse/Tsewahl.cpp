#include "fiskal/tse/Tsewahl.h"

#include "core/Datenbank.h"
#include "core/Einstellungen.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tsesimulation.h"

Tsearbeiter::Geraetebau TseGeraetebau(Datenbank& db) {
    const QString art = EinstellungLesen(db, kEinstellungTse).value_or(kTseSimulation);
    return [art, pfad = db.pfad(), schluessel = db.schluessel()]() -> std::unique_ptr<Tse> {
        if (art != kTseSimulation)
            throw TseFehler(
                QStringLiteral("Die TSE \"%1\" ist in diese Kasse nicht eingebaut.").arg(art));
        return Tsesimulation::aufDatei(pfad, schluessel);
    };
}
