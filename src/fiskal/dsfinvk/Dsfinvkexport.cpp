#include "fiskal/dsfinvk/Dsfinvkexport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "core/Datenbank.h"
#include "fiskal/Exportzeitraum.h"
#include "fiskal/Journal.h"
#include "fiskal/dsfinvk/Dsfinvkzeilen.h"

namespace {

Exportbericht nichts(const QString& meldung) { return {false, meldung}; }

QString nativ(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

bool schreiben(const QString& pfad, const QByteArray& text) {
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(text) == text.size() && datei.flush() &&
           datei.error() == QFileDevice::NoError;
}

// Why the export cannot go to `ordner`, if it cannot.
std::optional<QString> zielVerweigert(const QString& ordner) {
    const QFileInfo ziel(ordner);
    if (ordner.trimmed().isEmpty())
        return QStringLiteral("Bitte geben Sie einen Ordner für den Export an.");
    if (ziel.exists() && (!ziel.isDir() || !QDir(ordner).isEmpty()))
        return QStringLiteral(
                   "Der Ordner '%1' ist nicht leer. Bitte wählen Sie einen neuen "
                   "oder leeren Ordner.")
            .arg(nativ(ordner));
    const QFileInfo eltern(ziel.absolutePath());
    if (!eltern.isDir() || !Datenbank::schreibbar(eltern.absoluteFilePath()))
        return QStringLiteral(
                   "Der Ordner '%1' kann nicht angelegt werden: '%2' existiert nicht "
                   "oder ist schreibgeschützt.")
            .arg(nativ(ordner), nativ(eltern.absoluteFilePath()));
    return std::nullopt;
}

}  // namespace

Exportbericht DsfinvkExportieren(Datenbank& db, const QString& eingabe, const QString& von,
                                 const QString& bis) {
    const QString ordner = eingabe.trimmed().isEmpty() ? QString() : QDir::cleanPath(eingabe);
    const Exportzeitraum zeitraum = ExportzeitraumLesen(von, bis);
    if (!zeitraum.fehler.isEmpty()) return nichts(zeitraum.fehler);
    if (const auto verweigert = zielVerweigert(ordner)) return nichts(*verweigert);

    const std::vector<Dsfinvkabschluss> abschluesse =
        DsfinvkAbschluesseLesen(db, zeitraum.von, zeitraum.bis);
    Dsfinvkzeilen zeilen(db);
    int vorgaenge = 0;
    for (const Dsfinvkabschluss& a : abschluesse) {
        zeilen.abschluss(a);
        vorgaenge += static_cast<int>(a.bons.size());
    }
    if (abschluesse.empty()) zeilen.nurStammdaten(JournalStand(db).zNr);

    const QFileInfo ziel(ordner);
    const QString fehlschlag =
        QStringLiteral(
            "Der Export kann nicht nach '%1' geschrieben werden; es wurde nichts "
            "gespeichert.")
            .arg(nativ(ordner));
    QTemporaryDir arbeit(
        QDir(ziel.absolutePath())
            .filePath(QLatin1Char('.') + ziel.fileName() + QStringLiteral("-XXXXXX")));
    // A temporary folder is the owner's alone; the export is for others to read.
    if (!arbeit.isValid() ||
        !QFile::setPermissions(arbeit.path(), QFile::permissions(ziel.absolutePath())))
        return nichts(fehlschlag);
    std::vector<const Dsfinvkdatei*> beschrieben;
    for (const Dsfinvktabelle* t : zeilen.tabellen(!abschluesse.empty())) {
        if (!schreiben(arbeit.filePath(t->datei().datei), t->text())) return nichts(fehlschlag);
        beschrieben.push_back(&t->datei());
    }
    if (!schreiben(arbeit.filePath(kIndexXml), IndexXml(beschrieben)) ||
        !schreiben(arbeit.filePath(kGdpduDtd), GdpduDtd()))
        return nichts(fehlschlag);
    if (ziel.exists()) QDir().rmdir(ziel.absoluteFilePath());
    if (!QDir().rename(arbeit.path(), ziel.absoluteFilePath())) return nichts(fehlschlag);
    arbeit.setAutoRemove(false);

    if (abschluesse.empty()) return {true, kKeinKassenabschluss};
    const auto anzahl = [](std::size_t n, const char* eins, const char* mehrere) {
        return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? eins : mehrere));
    };
    return {true, QStringLiteral("DSFinV-K exportiert: %1 mit %2 nach '%3'.")
                      .arg(anzahl(abschluesse.size(), "Kassenabschluss", "Kassenabschlüsse"),
                           anzahl(static_cast<std::size_t>(vorgaenge), "Vorgang", "Vorgängen"),
                           nativ(ordner))};
}
