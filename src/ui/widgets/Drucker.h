#pragma once

#include <QString>
#include <memory>

#include "druck/Druckerausgang.h"
#include "ui/Druckziel.h"

// The receipt printer the till is configured for.
inline const QString kBondrucker = QStringLiteral("Star TSP100 Cutter (TSP143)");

// Prints through CUPS on a named printer, without a dialog. A printer that
// cannot be started (unknown to CUPS, refusing jobs, out of paper) throws
// DbFehler with its state.
class SystemDrucker : public Druckziel {
  public:
    explicit SystemDrucker(QString druckername);
    void drucken(const Dokument& dokument) override;
    const QString& name() const { return m_name; }

  private:
    QString m_name;
};

// The printers CUPS knows, and PDF files in Belege/ beside the database for
// "PDF-Ordner". The default is the receipt printer when CUPS knows it, else
// the system's default printer, else "PDF-Ordner".
class Cupsausgang : public Druckerausgang {
  public:
    explicit Cupsausgang(const QString& datenbankOrdner);
    QStringList warteschlangen() const override;
    QString standard() const override;
    std::unique_ptr<Druckziel> ziel(const QString& drucker) const override;
    QString zustand(const QString& drucker) const override;
    bool aufRolle(const QString& drucker) const override;

  private:
    QString m_belege;
};
