#pragma once

#include <sys/mount.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A folder on a disk that is full: a tiny memory file system, mounted for the
// test and filled to the last byte, or made read-only, which stops root too.
// Mounting needs root; bereit() tells.
class VollerOrdner {
  public:
    explicit VollerOrdner(bool nurLesen = false) {
        const QByteArray ort = QFile::encodeName(m_ort.path());
        m_bereit = ::mount("tmpfs", ort.constData(), "tmpfs", 0, "size=16k") == 0;
        if (!m_bereit) return;
        QDir(m_ort.path()).mkpath(QStringLiteral("Belege"));
        if (nurLesen) {
            m_bereit =
                ::mount("tmpfs", ort.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=16k") == 0;
            return;
        }
        QFile fuellung(m_ort.filePath(QStringLiteral("fuellung")));
        fuellung.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(1024, 'x');
        while (fuellung.write(block) == block.size()) {
        }
    }
    ~VollerOrdner() {
        if (m_bereit) ::umount2(QFile::encodeName(m_ort.path()).constData(), MNT_DETACH);
    }
    VollerOrdner(const VollerOrdner&) = delete;
    VollerOrdner& operator=(const VollerOrdner&) = delete;

    bool bereit() const { return m_bereit; }
    // The folder for the PDF files, on the full disk.
    QString belege() const { return m_ort.filePath(QStringLiteral("Belege")); }

  private:
    QTemporaryDir m_ort;
    bool m_bereit = false;
};
