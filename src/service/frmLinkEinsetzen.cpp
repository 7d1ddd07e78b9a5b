#include "service/frmLinkEinsetzen.h"

#include <QStackedWidget>
#include <QTimer>

#include "admin/frmDirektwahltasteVerwaltung.h"
#include "admin/frmKellner.h"
#include "admin/frmSpeisekarte.h"
#include "admin/frmStationen.h"
#include "core/Kontext.h"
#include "core/MDIHauptmenu.h"
#include "core/frmAnmeldung.h"
#include "core/frmPin2.h"
#include "hotel/frmHotel.h"
#include "service/Tischsperre.h"
#include "service/frmBestellung.h"
#include "service/frmLink.h"
#include "service/frmRaum.h"
#include "service/frmTastenMenu1.h"
#include "ui/Absichern.h"
#include "ui/widgets/TischKachel.h"

frmLink* LandeseiteEinsetzen(Kontext& k, MDIHauptmenu& hauptmenu) {
    QStackedWidget* inhalt = hauptmenu.inhalt();
    auto* link = new frmLink(k);
    auto* bestellung = new frmBestellung(k);
    inhalt->addWidget(link);
    inhalt->addWidget(bestellung);

    auto* hotel = new frmHotel(k);
    link->setzeHotel(hotel);
    QObject::connect(link, &frmLink::hotelUeberschrift, hotel, &frmHotel::setzeUeberschrift);
    link->setzePanel(1, new frmStationen(k));
    link->setzePanel(2, new frmKellner(k, [&k, link] { return Pin2Fragen(k, link); }));
    link->setzePanel(3, new frmSpeisekarte(k));
    link->setzePanel(4, new frmDirektwahltasteVerwaltung(k));

    QObject::connect(link->raum(), &frmRaum::tischGeoeffnet, bestellung,
                     [&hauptmenu, inhalt, bestellung] {
                         hauptmenu.menuKnopfZeigen(false);
                         inhalt->setCurrentWidget(bestellung);
                         bestellung->oeffnen();
                     });
    const auto zurueck = [&k, &hauptmenu, inhalt, link] {
        Absichern(k, [&] { TischeEntsperren(k); });
        inhalt->setCurrentWidget(link);
        hauptmenu.menuKnopfZeigen(true);
    };
    // The leases of the open table live as long as this till renews them. No
    // waiter asked for the renewal, so a fault (a server away) shows at the
    // next touch rather than as a box every half minute.
    auto* herzschlag = new QTimer(link);
    QObject::connect(herzschlag, &QTimer::timeout, link, [&k] {
        try {
            SperrenErneuern(k);
        } catch (const DbFehler&) {
        }
    });
    herzschlag->start(kHerzschlagSekunden * 1000);
    frmTastenMenu1& tasten = bestellung->funktionstasten();
    frmRaum* raum = link->raum();
    QObject::connect(&tasten, &frmTastenMenu1::tischFrei, raum, [raum](const QString& tisch) {
        for (TischKachel* kachel : raum->kacheln())
            if (kachel->tag() == tisch) kachel->setzeMarker(nullptr);
    });
    QObject::connect(&tasten, &frmTastenMenu1::geschlossen, link, zurueck);
    QObject::connect(&tasten, &frmTastenMenu1::abmelden, link, [&k, &hauptmenu, zurueck] {
        zurueck();
        AnmeldungZeigen(k, &hauptmenu);
    });

    link->laden();
    inhalt->setCurrentWidget(link);
    return link;
}
