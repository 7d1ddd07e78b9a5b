#include "ui/widgets/Drucker.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

#include "druck/Druckrollen.h"
#include "ui/bericht/Dokument.h"
#include "ui/bericht/PdfDrucker.h"
#include "ui/bericht/Zeichnen.h"

SystemDrucker::SystemDrucker(QString druckername) : m_name(std::move(druckername)) {}

void SystemDrucker::drucken(const Dokument& dokument) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPrinterName(m_name);
    // Without CUPS an unknown name leaves QPrinter without a printer and begin()
    // fails silently; with CUPS it is taken as given and the job goes nowhere.
    if (QPrinterInfo::printerInfo(m_name).isNull() || drucker.printerName().isEmpty() ||
        !drucker.isValid())
        throw DbFehler(kDruckfehler,
                       QStringLiteral("Der Drucker \"%1\" ist nicht verfügbar.").arg(m_name));
    drucker.setDocName(dokument.titel);
    DokumentAusgeben(dokument, drucker);
    if (drucker.printerState() == QPrinter::Error || drucker.printerState() == QPrinter::Aborted)
        throw DbFehler(kDruckfehler,
                       QStringLiteral("Der Drucker \"%1\" hat \"%2\" nicht angenommen.")
                           .arg(m_name, dokument.titel));
}

Cupsausgang::Cupsausgang(const QString& datenbankOrdner)
    : m_belege(QDir(datenbankOrdner).filePath(QStringLiteral("Belege"))) {}

QStringList Cupsausgang::warteschlangen() const { return QPrinterInfo::availablePrinterNames(); }

QString Cupsausgang::standard() const {
    // CUPS names its queues without blanks; the configured name may be the
    // queue's name or its description.
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        if (info.printerName() == kBondrucker || info.description() == kBondrucker)
            return info.printerName();
    if (const QPrinterInfo standard = QPrinterInfo::defaultPrinter(); !standard.isNull())
        return standard.printerName();
    return kPdfOrdner;
}

std::unique_ptr<Druckziel> Cupsausgang::ziel(const QString& drucker) const {
    if (drucker == kPdfOrdner) return std::make_unique<PdfDrucker>(m_belege);
    return std::make_unique<SystemDrucker>(drucker);
}
