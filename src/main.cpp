#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMessageBox>

#include "core/Datenbank.h"
#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "core/MDIHauptmenu.h"
#include "core/frmAnmeldung.h"
#include "druck/Druckarbeiter.h"
#include "druck/Druckwarteschlange.h"
#include "druck/frmDruckEinsetzen.h"
#include "reports/MDIBerichtsmenu.h"
#include "reports/frmBerichte.h"
#include "service/Zahlliste.h"
#include "service/frmLink.h"
#include "service/frmLinkEinsetzen.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Bildschirmtastatur.h"
#include "ui/widgets/Drucker.h"
#include "ui/widgets/QtDialoge.h"

namespace {

QString datenbankpfad(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kasse für das Hotelrestaurant"));
    parser.addHelpOption();
    const QCommandLineOption datenbank(
        QStringLiteral("datenbank"),
        QStringLiteral("Datenbankdatei (sonst tavro.db im Programmordner oder, ist dieser "
                       "schreibgeschützt, im Datenordner des Benutzers)."),
        QStringLiteral("PFAD"));
    parser.addOption(datenbank);
    parser.process(app);
    return parser.isSet(datenbank) ? parser.value(datenbank)
                                   : StandardDatenbankpfad(QApplication::applicationDirPath());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavro Kasse"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    app.setStyleSheet(Beruehrstil());
    Tastaturhilfe tastaturhilfe;
    app.installEventFilter(&tastaturhilfe);

    std::unique_ptr<Datenbank> db;
    try {
        db = DatenbankOeffnen(datenbankpfad(app));
    } catch (const DbFehler& f) {
        QMessageBox::critical(nullptr, QStringLiteral("Fehler"), f.meldungstext());
        return 1;
    }
    const Cupsausgang ausgang(QFileInfo(db->pfad()).absolutePath());
    Systemuhr uhr;
    Druckarbeiter arbeiter(db->pfad(), ausgang, uhr.jetzt().date());
    Druckwarteschlange drucker(*db, uhr, [&arbeiter] { arbeiter.anstossen(); });
    QtDialoge dialoge(drucker);
    Kontext k(*db, uhr, dialoge, drucker);
    QObject::connect(&arbeiter, &Druckarbeiter::ausgefallen, &app, [](const QString& meldung) {
        QMessageBox::critical(nullptr, QStringLiteral("Fehler"), meldung);
    });
    try {
        ZahllisteZurueckbuchen(k);
    } catch (const DbFehler& f) {
        dialoge.fehler(f);
    }

    MDIHauptmenu hauptmenu(k);
    BerichtsmenuEinrichten(hauptmenu, k);
    // Jobs left waiting by the last run print while the first waiter logs in.
    arbeiter.start();
    if (!AnmeldungZeigen(k, nullptr)) return 0;
    hauptmenu.kellnerAnzeigen();
    frmLink* link = LandeseiteEinsetzen(k, hauptmenu);
    link->setzePanel(6, new frmBerichte(k));
    DruckenEinsetzen(k, hauptmenu, *link, 7, ausgang, arbeiter);
    hauptmenu.vollbildZeigen();
    return app.exec();
}
