#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextStream>

#include "core/Datenbank.h"
#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "core/MDIHauptmenu.h"
#include "core/frmAnmeldung.h"
#include "fiskal/Journalbefehle.h"
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

// The journal's commands need no screen: they run before any window exists.
int journalbefehl(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout), fehler(stderr);
    return JournalbefehlAusfuehren(QCoreApplication::arguments(),
                                   StandardDatenbankpfad(QCoreApplication::applicationDirPath()),
                                   aus, fehler);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList argumente;
    for (int i = 0; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);
    if (IstJournalbefehl(argumente)) return journalbefehl(argc, argv);

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
    const auto drucker = DruckzielWaehlen(QFileInfo(db->pfad()).absolutePath());
    Systemuhr uhr;
    QtDialoge dialoge(*drucker);
    Kontext k(*db, uhr, dialoge, *drucker);
    try {
        ZahllisteZurueckbuchen(k);
    } catch (const DbFehler& f) {
        dialoge.fehler(f);
    }

    MDIHauptmenu hauptmenu(k);
    BerichtsmenuEinrichten(hauptmenu, k);
    hauptmenu.journalPruefen(*db);
    if (!AnmeldungZeigen(k, nullptr)) return 0;
    hauptmenu.kellnerAnzeigen();
    LandeseiteEinsetzen(k, hauptmenu)->setzePanel(6, new frmBerichte(k));
    hauptmenu.vollbildZeigen();
    return app.exec();
}
