#include "fiskal/tse/widgets/Tsemarke.h"

#include "fiskal/tse/Tsearbeiter.h"
#include "fiskal/tse/Tsebuchung.h"

Tsemarke::Tsemarke(Datenbank& db, Tsearbeiter& arbeiter, QWidget* eltern)
    : QLabel(QStringLiteral("TSE"), eltern) {
    setObjectName(QStringLiteral("lblTsemarke"));
    setAlignment(Qt::AlignCenter);
    setMinimumSize(70, 48);
    connect(&arbeiter, &Tsearbeiter::bereitschaft, this, &Tsemarke::setzeBereit);
    // An outage recorded by the last run lasts until the device signs again.
    setzeBereit(!TseImAusfall(db) && arbeiter.zustand() != Tsezustand::Ausgefallen);
}

void Tsemarke::setzeBereit(bool bereit) {
    setToolTip(bereit ? QString()
                      : QStringLiteral("Die TSE ist ausgefallen: Belege werden ohne Signatur "
                                       "gedruckt."));
    setStyleSheet(bereit ? QStringLiteral("QLabel { background: transparent; color: #f4f1ea; "
                                          "font: bold 16pt; border: 1px solid #f4f1ea; "
                                          "border-radius: 6px; }")
                         : QStringLiteral("QLabel { background: #c0392b; color: white; "
                                          "font: bold 16pt; border-radius: 6px; }"));
}
