#include "ui/widgets/Drucker.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>

#include "admin/Druckerwahl.h"
#include "druck/Druckrollen.h"
#include "ui/bericht/Dokument.h"
#include "ui/bericht/PdfDrucker.h"
#include "ui/bericht/Zeichnen.h"

namespace {

// What keeps a CUPS queue from taking or printing jobs; empty when nothing
// does. QPrinterInfo knows whether the queue exists; lpstat tells whether it
// is stopped or refuses jobs, which Qt does not.
QString cupsZustand(const QString& name) {
    if (QPrinterInfo::printerInfo(name).isNull()) return CupsUnbekannt(name);
    QProcess lpstat;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    lpstat.setProcessEnvironment(umgebung);
    lpstat.start(QStringLiteral("lpstat"),
                 {QStringLiteral("-p"), name, QStringLiteral("-a"), name});
    if (!lpstat.waitForFinished(2000)) return {};
    const QString antwort = QString::fromLocal8Bit(lpstat.readAllStandardOutput());
    if (antwort.contains(QStringLiteral("not accepting"))) return CupsNimmtNichts(name);
    if (antwort.contains(QStringLiteral(" disabled"))) return CupsAngehalten(name);
    return {};
}

}  // namespace

SystemDrucker::SystemDrucker(QString druckername) : m_name(std::move(druckername)) {}

void SystemDrucker::drucken(const Dokument& dokument) {
    // A stopped queue still takes the job and prints it once started again.
    if (const QString zustand = cupsZustand(m_name);
        !zustand.isEmpty() && zustand != CupsAngehalten(m_name))
        throw DbFehler(kDruckfehler, zustand);
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPrinterName(m_name);
    // Without CUPS an unknown name leaves QPrinter without a printer and begin()
    // fails silently; with CUPS it is taken as given and the job goes nowhere.
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

QString Cupsausgang::zustand(const QString& drucker) const {
    if (drucker == kPdfOrdner || drucker == kKeinDrucker) return {};
    return cupsZustand(drucker);
}

bool Cupsausgang::aufRolle(const QString& drucker) const {
    const QPrinterInfo info = QPrinterInfo::printerInfo(drucker);
    // An unknown queue is taken for what the till mostly has: a receipt printer.
    if (info.isNull()) return true;
    const QPageSize::PageSizeId papier = info.defaultPageSize().id();
    return papier != QPageSize::A4 && papier != QPageSize::Letter;
}
