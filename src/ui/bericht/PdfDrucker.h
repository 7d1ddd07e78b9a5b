#pragma once

#include <QString>

#include "ui/Druckziel.h"

// Writes each print job as a PDF file into a folder (Belege/ beside the database
// when there is no printer): one file per job, named by time and title, never
// overwriting an earlier one.
class PdfDrucker : public Druckziel {
public:
    explicit PdfDrucker(QString ordner);
    void drucken(const Dokument& dokument) override;

    const QString& ordner() const { return m_ordner; }
    // The file the last job was written to.
    const QString& letzteDatei() const { return m_letzteDatei; }

private:
    QString m_ordner;
    QString m_letzteDatei;
};
