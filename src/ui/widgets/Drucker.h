#pragma once

#include <QString>
#include <memory>

#include "ui/Druckziel.h"

// The receipt printer the till is configured for.
inline const QString kBondrucker = QStringLiteral("Star TSP100 Cutter (TSP143)");

// Prints through CUPS on a named printer, without a dialog. A printer that
// cannot be started (missing, out of paper) throws DbFehler.
class SystemDrucker : public Druckziel {
public:
    explicit SystemDrucker(QString druckername);
    void drucken(const Dokument& dokument) override;
    const QString& name() const { return m_name; }

private:
    QString m_name;
};

// The choice made at start-up: the receipt printer when CUPS knows it, else the
// system's default printer, else PDF files in Belege/ beside the database.
std::unique_ptr<Druckziel> DruckzielWaehlen(const QString& datenbankOrdner);
