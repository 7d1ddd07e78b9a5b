#include "ui/bericht/PdfDrucker.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>

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
    const QString stamm = QDir(m_ordner).filePath(
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss_")) +
        dateiname(dokument.titel));
    // NewOnly refuses an existing file, so an earlier job is never overwritten.
    QFile datei(stamm + QStringLiteral(".pdf"));
    for (int nummer = 2; !datei.open(QIODevice::WriteOnly | QIODevice::NewOnly); ++nummer) {
        if (!datei.exists() || nummer > 999)
            throw DbFehler(kDruckfehler,
                           QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.")
                               .arg(datei.fileName()));
        datei.setFileName(stamm + QStringLiteral("_%1.pdf").arg(nummer));
    }
    QPdfWriter schreiber(&datei);
    schreiber.setTitle(dokument.titel);
    schreiber.setCreator(QStringLiteral("Tavro Kasse"));
    try {
        DokumentAusgeben(dokument, schreiber);
    } catch (...) {
        datei.remove();
        throw;
    }
    m_letzteDatei = datei.fileName();
}
