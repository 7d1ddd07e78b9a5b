#include "reports/MDIBerichtsmenu.h"

#include <QAction>
#include <functional>

#include "core/MDIHauptmenu.h"
#include "core/Schluesselwechsel.h"
#include "core/Sicherungslauf.h"
#include "fiskal/dsfinvk/DsfinvkFragen.h"
#include "reports/Tagesberichte.h"
#include "reports/frmRechnungsuebersicht.h"
#include "service/Tischsperre.h"
#include "ui/Absichern.h"

namespace {

void eintrag(MDIHauptmenu& h, Kontext& k, int abschnitt, const QString& text, const QString& name,
             std::function<void(Kontext&)> aktion) {
    auto* a = new QAction(text, &h);
    a->setObjectName(name);
    QObject::connect(a, &QAction::triggered, &h,
                     [&k, aktion] { Absichern(k, [&] { aktion(k); }); });
    h.menuEintragEinfuegen(abschnitt, a);
}

}  // namespace

void BerichtsmenuEinrichten(MDIHauptmenu& hauptmenu, Kontext& k) {
    auto* uebersicht = new QAction(QStringLiteral("&Rechnungsübersicht"), &hauptmenu);
    uebersicht->setObjectName(QStringLiteral("mnuRechnungsuebersicht"));
    QObject::connect(uebersicht, &QAction::triggered, &hauptmenu, [&k, &hauptmenu] {
        Absichern(k, [&] { frmRechnungsuebersicht::Zeigen(k, &hauptmenu); });
    });
    hauptmenu.menuEintragEinfuegen(1, uebersicht);
    eintrag(hauptmenu, k, 2, QStringLiteral("Kassen&bericht Drucken"),
            QStringLiteral("mnuKassenbericht"), mnuKassenbericht);
    eintrag(hauptmenu, k, 2, QStringLiteral("&Kellnerbericht Drucken"),
            QStringLiteral("mnuKellnerbericht"), mnuKellnerbericht);
    eintrag(hauptmenu, k, 2, QStringLiteral("Kassen&abschluss"),
            QStringLiteral("mnuKassenabschluss"), mnuKassenabschluss);
    eintrag(hauptmenu, k, 2, QStringLiteral("&Journal exportieren"),
            QStringLiteral("mnuJournalExport"), mnuJournalExport);
    eintrag(hauptmenu, k, 2, QStringLiteral("DSFinV-&K-Export"), QStringLiteral("mnuDsfinvkExport"),
            DsfinvkExportFragen);
    eintrag(hauptmenu, k, 2, QStringLiteral("&Datensicherung"), QStringLiteral("mnuDatensicherung"),
            mnuDatensicherung);
    eintrag(hauptmenu, k, 2, QStringLiteral("Tisch &freigeben"),
            QStringLiteral("mnuTischFreigeben"), mnuTischFreigeben);
}

void SchluesselmenuEinrichten(MDIHauptmenu& hauptmenu, Kontext& k, const QString& schluesselpfad) {
    eintrag(hauptmenu, k, 2, QStringLiteral("Schlüssel &erneuern"),
            QStringLiteral("mnuSchluesselErneuern"),
            [schluesselpfad](Kontext& k) { SchluesselErneuern(k, schluesselpfad); });
    eintrag(hauptmenu, k, 2, QStringLiteral("&Notfallblatt drucken"),
            QStringLiteral("mnuNotfallblatt"),
            [schluesselpfad](Kontext& k) { NotfallblattDrucken(k, schluesselpfad); });
}
