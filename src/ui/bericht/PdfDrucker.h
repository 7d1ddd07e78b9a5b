#pragma once

#include <QString>

#include "ui/Druckziel.h"

class QTemporaryFile;

// Writes each print job as a PDF file into a folder (Belege/ beside the database
// when there is no printer): one file per job, named by time and title, never
// overwriting an earlier one. A job that does not reach the disk whole throws
// DbFehler and leaves no file.
class PdfDrucker : public Druckziel {
public:
    explicit PdfDrucker(QString ordner);
    void drucken(const Dokument& dokument) override;

    const QString& ordner() const { return m_ordner; }
    // The file the last job was written to.
    const QString& letzteDatei() const { return m_letzteDatei; }

private:
    // Gives the written file its name; answers it.
    QString ablegen(QTemporaryFile& datei, const QString& titel) const;

    QString m_ordner;
    QString m_letzteDatei;
};
