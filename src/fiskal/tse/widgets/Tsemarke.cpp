#include "fiskal/tse/widgets/Tsemarke.h"

#include "core/Datenbank.h"
#include "fiskal/Journal.h"
#include "fiskal/tse/Tsearbeiter.h"

namespace {

// An outage recorded by the last run lasts until the device signs again.
bool ausfallVermerkt(Datenbank& db) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT Art FROM Journal WHERE Art IN (?, ?) "
                                          "ORDER BY Nr DESC LIMIT 1"),
                           kJournalTseAusfall, kJournalTseWiederaufnahme);
    return a.naechste() && a.text(0) == kJournalTseAusfall;
}

}  // namespace

Tsemarke::Tsemarke(Datenbank& db, Tsearbeiter& arbeiter, QWidget* eltern)
    : QLabel(QStringLiteral("TSE"), eltern) {
    setObjectName(QStringLiteral("lblTsemarke"));
    setAlignment(Qt::AlignCenter);
    setMinimumSize(70, 48);
    setStyleSheet(
        QStringLiteral("QLabel { background: #c0392b; color: white; font: bold 16pt; "
                       "border-radius: 6px; }"));
    setToolTip(QStringLiteral("Die TSE ist ausgefallen: Belege werden ohne Signatur gedruckt."));
    connect(&arbeiter, &Tsearbeiter::bereitschaft, this, &Tsemarke::setzeBereit);
    const bool aus = ausfallVermerkt(db) || arbeiter.zustand() == Tsezustand::Ausgefallen;
    setzeBereit(!aus);
}

void Tsemarke::setzeBereit(bool bereit) { setVisible(!bereit); }
