#include "ui/widgets/Drucker.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/bericht/Dokument.h"
#include "ui/bericht/PdfDrucker.h"
#include "ui/bericht/Zeichnen.h"

SystemDrucker::SystemDrucker(QString druckername) : m_name(std::move(druckername)) {}

void SystemDrucker::drucken(const Dokument& dokument) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPrinterName(m_name);
    // An unknown name leaves QPrinter without a printer and begin() fails silently.
    if (drucker.printerName().isEmpty() || !drucker.isValid())
        throw DbFehler(kDruckfehler,
                       QStringLiteral("Der Drucker \"%1\" ist nicht verfügbar.").arg(m_name));
    drucker.setDocName(dokument.titel);
    DokumentAusgeben(dokument, drucker);
    if (drucker.printerState() == QPrinter::Error || drucker.printerState() == QPrinter::Aborted)
        throw DbFehler(kDruckfehler,
                       QStringLiteral("Der Drucker \"%1\" hat \"%2\" nicht angenommen.")
                           .arg(m_name, dokument.titel));
}

namespace {

// CUPS names its queues without blanks; the configured name may be the queue's
// name or its description.
QString bondruckerWarteschlange() {
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        if (info.printerName() == kBondrucker || info.description() == kBondrucker)
            return info.printerName();
    return QString();
}

}  // namespace

std::unique_ptr<Druckziel> DruckzielWaehlen(const QString& datenbankOrdner) {
    if (const QString name = bondruckerWarteschlange(); !name.isEmpty())
        return std::make_unique<SystemDrucker>(name);
    if (const QPrinterInfo standard = QPrinterInfo::defaultPrinter(); !standard.isNull())
        return std::make_unique<SystemDrucker>(standard.printerName());
    return std::make_unique<PdfDrucker>(QDir(datenbankOrdner).filePath(QStringLiteral("Belege")));
}
