#include "druck/frmDruckEinsetzen.h"

#include <QTimer>

#include "core/Kontext.h"
#include "core/MDIHauptmenu.h"
#include "druck/Druckarbeiter.h"
#include "druck/Druckauftraege.h"
#include "druck/frmDruckauftraege.h"
#include "druck/frmDrucker.h"
#include "druck/widgets/Druckermarke.h"
#include "service/frmLink.h"

void DruckenEinsetzen(Kontext& k, MDIHauptmenu& hauptmenu, frmLink& link, int position,
                      const Druckerausgang& ausgang, Druckarbeiter& arbeiter) {
    link.setzePanel(position, new frmDrucker(k, ausgang));
    auto* marke = new Druckermarke;
    hauptmenu.leistenmarkeEinfuegen(marke);
    QObject::connect(&arbeiter, &Druckarbeiter::stand, marke, &Druckermarke::setzeStand);
    // A worker stuck in a printer reports nothing: the mark also looks itself.
    auto* nachsehen = new QTimer(marke);
    nachsehen->setInterval(1000);
    QObject::connect(nachsehen, &QTimer::timeout, marke, [&k, marke] {
        try {
            const Druckstand s = DruckstandLesen(k.db);
            marke->setzeStand(s.wartend, s.gestoert);
        } catch (const DbFehler&) {
            // The next look tries again.
        }
    });
    nachsehen->start();
    QObject::connect(
        marke, &QToolButton::clicked, &hauptmenu, [&k, &hauptmenu, &ausgang, &arbeiter] {
            frmDruckauftraege liste(
                k, ausgang, [&arbeiter] { arbeiter.anstossen(); }, &hauptmenu);
            QObject::connect(&arbeiter, &Druckarbeiter::stand, &liste, &frmDruckauftraege::laden);
            liste.exec();
        });
}
