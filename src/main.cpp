#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextStream>
#include <cstdio>

#include "admin/frmBetrieb.h"
#include "core/Datenbank.h"
#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "core/MDIHauptmenu.h"
#include "core/Schluesseldatei.h"
#include "core/Uebertragung.h"
#include "core/Wiederherstellung.h"
#include "core/frmAnmeldung.h"
#include "druck/Druckarbeiter.h"
#include "druck/Druckwarteschlange.h"
#include "druck/frmDruckEinsetzen.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalbefehle.h"
#include "fiskal/tse/Tsearbeiter.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tsewahl.h"
#include "fiskal/tse/widgets/Tsemarke.h"
#include "reports/MDIBerichtsmenu.h"
#include "reports/frmBerichte.h"
#include "service/Zahlliste.h"
#include "service/frmLink.h"
#include "service/frmLinkEinsetzen.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Bildschirmtastatur.h"
#include "ui/widgets/Drucker.h"
#include "ui/widgets/QtDialoge.h"
#include "ui/widgets/Verbindungsversuch.h"

namespace {

struct Aufruf {
    QString datenbank;
    QString schluessel;        // the key file
    QString wiederherstellen;  // a backup to put in place instead of starting
    QString terminal;          // this till's name; empty: the host name
};

Aufruf aufrufLesen(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kasse für das Hotelrestaurant"));
    parser.addHelpOption();
    const QCommandLineOption datenbank(
        QStringLiteral("datenbank"),
        QStringLiteral("Datenbankdatei (sonst tavro.db im Programmordner oder, ist dieser "
                       "schreibgeschützt, im Datenordner des Benutzers) oder ein PostgreSQL-Server "
                       "als postgresql://BENUTZER@RECHNER[:PORT]/NAME; das Kennwort steht in "
                       "~/.pgpass oder PGPASSWORD."),
        QStringLiteral("PFAD|URI"));
    const QCommandLineOption wiederherstellen(
        QStringLiteral("wiederherstellen"),
        QStringLiteral("Spielt eine Datensicherung anstelle der Datenbank ein; die bisherige "
                       "Datei wird beiseitegelegt."),
        QStringLiteral("SICHERUNG"));
    const QCommandLineOption schluessel(
        QStringLiteral("schluessel"),
        QStringLiteral("Schlüsseldatei mit der Passphrase der Datenbank (sonst "
                       "~/.config/tavro/schluessel)."),
        QStringLiteral("PFAD"));
    const QCommandLineOption terminal(
        QStringLiteral("terminal"),
        QStringLiteral("Name dieser Kasse, z. B. Theke (sonst der Rechnername)."),
        QStringLiteral("NAME"));
    const QCommandLineOption uebertragen(
        QStringLiteral("uebertragen"),
        QStringLiteral("tavro --uebertragen QUELLE ZIEL: überträgt die Datenbankdatei QUELLE "
                       "(Schlüssel wie beim Öffnen) in die leere PostgreSQL-Datenbank ZIEL und "
                       "prüft die Kopie."));
    parser.addOptions({datenbank, schluessel, wiederherstellen, terminal, uebertragen});
    parser.process(app);
    return {parser.isSet(datenbank) ? parser.value(datenbank)
                                    : StandardDatenbankpfad(QApplication::applicationDirPath()),
            parser.isSet(schluessel) ? parser.value(schluessel) : StandardSchluesselpfad(),
            parser.value(wiederherstellen), parser.value(terminal)};
}

int wiederherstellen(const Aufruf& aufruf) {
    try {
        std::printf("%s\n",
                    qPrintable(Wiederherstellen(aufruf.wiederherstellen, aufruf.datenbank,
                                                aufruf.schluessel, QDateTime::currentDateTime())));
        return 0;
    } catch (const DbFehler& f) {
        std::fprintf(stderr, "%s\n", qPrintable(f.beschreibung()));
        return 1;
    }
}

// The journal's commands and the move to a server need no screen: they run before any
// window exists.
int ohneFenster(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout), fehler(stderr);
    if (IstUebertragung(QCoreApplication::arguments()))
        return UebertragungAusfuehren(QCoreApplication::arguments(), aus, fehler);
    return JournalbefehlAusfuehren(QCoreApplication::arguments(),
                                   StandardDatenbankpfad(QCoreApplication::applicationDirPath()),
                                   aus, fehler);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList argumente;
    for (int i = 0; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);
    if (IstJournalbefehl(argumente) || IstUebertragung(argumente)) return ohneFenster(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavro Kasse"));
    const Aufruf aufruf = aufrufLesen(app);
    if (!aufruf.wiederherstellen.isEmpty()) return wiederherstellen(aufruf);
    if (!aufruf.terminal.isNull()) {
        if (const auto fehler = KassennameSetzen(aufruf.terminal)) {
            std::fprintf(stderr, "%s\n", qPrintable(*fehler));
            return 2;
        }
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    BeruehrAussehenSetzen();
    Tastaturhilfe tastaturhilfe;
    app.installEventFilter(&tastaturhilfe);

    const std::unique_ptr<Datenbank> db = DatenbankErreichen(
        aufruf.datenbank, [&] { return DatenbankOeffnen(aufruf.datenbank, aufruf.schluessel); });
    if (!db) return 1;
    const Cupsausgang ausgang(db->ordner());
    Systemuhr uhr;
    Druckarbeiter arbeiter(*db, ausgang, uhr.jetzt().date());
    Druckwarteschlange drucker(*db, uhr, [&arbeiter] { arbeiter.anstossen(); });
    QtDialoge dialoge(drucker);
    Kontext k(*db, uhr, dialoge, drucker);
    Tsearbeiter tse(TseGeraetebau(*db));
    k.tse = &tse;
    k.druckerausgang = &ausgang;
    QObject::connect(&arbeiter, &Druckarbeiter::ausgefallen, &app, [](const QString& meldung) {
        QMessageBox::critical(nullptr, QStringLiteral("Fehler"), meldung);
    });
    try {
        TseNachStart(k);
        ZahllisteZurueckbuchen(k);
    } catch (const DbFehler& f) {
        dialoge.fehler(f);
    }

    MDIHauptmenu hauptmenu(k);
    BerichtsmenuEinrichten(hauptmenu, k);
    SchluesselmenuEinrichten(hauptmenu, k, aufruf.schluessel);
    hauptmenu.journalPruefen(*db);
    // Jobs left waiting by the last run print while the first waiter logs in.
    arbeiter.start();
    if (!AnmeldungZeigen(k, nullptr)) return 0;
    hauptmenu.kellnerAnzeigen();
    frmLink* link = LandeseiteEinsetzen(k, hauptmenu);
    link->setzePanel(6, new frmBerichte(k));
    DruckenEinsetzen(k, hauptmenu, *link, 7, ausgang, arbeiter);
    link->setzePanel(8, new frmBetrieb(k));
    hauptmenu.leistenmarkeEinfuegen(new Tsemarke(*db, tse));
    hauptmenu.vollbildZeigen();
    return app.exec();
}
