#include "fiskal/Journalbefehle.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "core/Datenbank.h"
#include "core/Datenbankdatei.h"
#include "core/Schluesseldatei.h"
#include "fiskal/Journalexport.h"
#include "fiskal/Journalpruefung.h"
#include "fiskal/dsfinvk/Dsfinvkexport.h"

namespace {

const QString kPruefen = QStringLiteral("journal-pruefen");
const QString kExport = QStringLiteral("journal-export");
const QString kDsfinvk = QStringLiteral("dsfinvk-export");

}  // namespace

bool IstJournalbefehl(const QStringList& argumente) {
    for (const QString& a : argumente)
        for (const QString& befehl : {kPruefen, kExport, kDsfinvk})
            if (a == QStringLiteral("--") + befehl ||
                a.startsWith(QStringLiteral("--%1=").arg(befehl)))
                return true;
    return false;
}

int JournalbefehlAusfuehren(const QStringList& argumente, const QString& standardpfad,
                            QTextStream& aus, QTextStream& fehler) {
    QCommandLineParser parser;
    const QCommandLineOption pruefen(kPruefen);
    const QCommandLineOption export_(kExport, QString(), QStringLiteral("ORDNER"));
    const QCommandLineOption dsfinvk(kDsfinvk, QString(), QStringLiteral("ORDNER"));
    const QCommandLineOption von(QStringLiteral("von"), QString(), QStringLiteral("DATUM"));
    const QCommandLineOption bis(QStringLiteral("bis"), QString(), QStringLiteral("DATUM"));
    const QCommandLineOption datenbank(QStringLiteral("datenbank"), QString(),
                                       QStringLiteral("PFAD"));
    const QCommandLineOption schluessel(QStringLiteral("schluessel"), QString(),
                                        QStringLiteral("PFAD"));
    parser.addOptions({pruefen, export_, dsfinvk, von, bis, datenbank, schluessel});
    if (!parser.parse(argumente)) {
        fehler << parser.errorText() << Qt::endl;
        return 1;
    }
    const QString pfad = parser.isSet(datenbank) ? parser.value(datenbank) : standardpfad;
    try {
        // Never made here: a missing file would otherwise become an empty till.
        if (!Datenbank::istServeradresse(pfad) && !QFileInfo(pfad).isFile())
            throw DbFehler(SQLITE_CANTOPEN, QStringLiteral("Die Datenbank '%1' gibt es nicht.")
                                                .arg(QDir::toNativeSeparators(pfad)));
        auto db = DatenbankMitSchluessel(
            pfad, parser.isSet(schluessel) ? parser.value(schluessel) : StandardSchluesselpfad());
        if (parser.isSet(pruefen)) {
            const Journalbefund befund = *JournalPruefen(pfad, db->schluessel());
            aus << Befundtext(befund) << Qt::endl;
            return befund.veraendertAb ? 1 : 0;
        }
        const Exportbericht bericht =
            parser.isSet(dsfinvk) ? DsfinvkExportieren(*db, parser.value(dsfinvk),
                                                       parser.value(von), parser.value(bis))
                                  : JournalExportieren(*db, parser.value(export_),
                                                       parser.value(von), parser.value(bis));
        aus << bericht.meldung << Qt::endl;
        return bericht.geschrieben ? 0 : 1;
    } catch (const DbFehler& f) {
        fehler << f.beschreibung() << Qt::endl;
        return 2;
    }
}
