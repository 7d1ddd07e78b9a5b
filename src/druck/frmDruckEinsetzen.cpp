#include "druck/frmDruckEinsetzen.h"

#include "core/MDIHauptmenu.h"
#include "druck/Druckarbeiter.h"
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
    QObject::connect(
        marke, &QToolButton::clicked, &hauptmenu, [&k, &hauptmenu, &ausgang, &arbeiter] {
            frmDruckauftraege liste(
                k, ausgang, [&arbeiter] { arbeiter.anstossen(); }, &hauptmenu);
            QObject::connect(&arbeiter, &Druckarbeiter::stand, &liste, &frmDruckauftraege::laden);
            liste.exec();
        });
}
