#include "ui/bericht/PdfDrucker.h"

#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryFile>

#include "ui/bericht/Dokument.h"
#include "ui/bericht/Zeichnen.h"

namespace {

// Keeps a title usable as part of a file name on any file system.
QString dateiname(const QString& titel) {
    static const QRegularExpression verboten(QStringLiteral("[\\\\/:*?\"<>|\\s]+"));
    QString name = titel.trimmed();
    name.replace(verboten, QStringLiteral("_"));
    return name.isEmpty() ? QStringLiteral("Beleg") : name;
}

}  // namespace

PdfDrucker::PdfDrucker(QString ordner) : m_ordner(std::move(ordner)) {}

void PdfDrucker::drucken(const Dokument& dokument) {
    if (!QDir().mkpath(m_ordner))
        throw DbFehler(
            kDruckfehler,
            QStringLiteral("Der Ordner \"%1\" für die Belege kann nicht angelegt werden.")
                .arg(m_ordner));
    // Written under a temporary name and given its real one only when every byte
    // is on disk: a full disk leaves no empty or cut-off file that looks printed.
    QTemporaryFile datei(QDir(m_ordner).filePath(QStringLiteral(".Beleg-XXXXXX.pdf")));
    if (!datei.open())
        throw DbFehler(
            kDruckfehler,
            QStringLiteral("Im Ordner \"%1\" kann keine Datei geschrieben werden.").arg(m_ordner));
    {
        QPdfWriter schreiber(&datei);
        schreiber.setTitle(dokument.titel);
        schreiber.setCreator(QStringLiteral("Tavro Kasse"));
        DokumentAusgeben(dokument, schreiber);
    }
    // The writer ignores failed writes; the file remembers them.
    const bool geschrieben =
        datei.flush() && ::fsync(datei.handle()) == 0 && datei.error() == QFileDevice::NoError;
    datei.close();
    if (!geschrieben || datei.error() != QFileDevice::NoError)
        throw DbFehler(kDruckfehler,
                       QStringLiteral("\"%1\" konnte nicht in den Ordner \"%2\" geschrieben "
                                      "werden; der Datenträger ist voll oder nicht beschreibbar "
                                      "(%3).")
                           .arg(dokument.titel, m_ordner, datei.errorString()));
    m_letzteDatei = ablegen(datei, dokument.titel);
}

QString PdfDrucker::ablegen(QTemporaryFile& datei, const QString& titel) const {
    const QString stamm = QDir(m_ordner).filePath(
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss_")) +
        dateiname(titel));
    // rename() refuses an existing name, so an earlier job is never overwritten.
    QString ziel = stamm + QStringLiteral(".pdf");
    for (int nummer = 2; !QFile::rename(datei.fileName(), ziel); ++nummer) {
        if (!QFileInfo::exists(ziel) || nummer > 999)
            throw DbFehler(
                kDruckfehler,
                QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.").arg(ziel));
        ziel = stamm + QStringLiteral("_%1.pdf").arg(nummer);
    }
    datei.setAutoRemove(false);  // it is the printed job now
    return ziel;
}
