#include "core/Dateisperre.h"

#include <fcntl.h>
#include <sqlcipher/sqlite3.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <utility>

#include "core/DbFehler.h"

Dateisperre::Dateisperre(const QString& datenbank) {
    const QString pfad = datenbank + QStringLiteral(".lock");
    m_datei = ::open(QFile::encodeName(pfad).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_datei < 0)
        throw DbFehler(SQLITE_CANTOPEN,
                       QStringLiteral("Die Sperrdatei '%1' kann nicht angelegt werden.")
                           .arg(QDir::toNativeSeparators(pfad)));
    if (::flock(m_datei, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_datei);
        m_datei = -1;
        throw DbFehler(SQLITE_BUSY,
                       QStringLiteral("Die Kasse läuft bereits mit der Datenbank '%1'. Ein "
                                      "zweites Kassenprogramm auf derselben Datei wird nicht "
                                      "gestartet.")
                           .arg(QDir::toNativeSeparators(datenbank)));
    }
}

Dateisperre::Dateisperre(Dateisperre&& andere) noexcept
    : m_datei(std::exchange(andere.m_datei, -1)) {}

Dateisperre& Dateisperre::operator=(Dateisperre&& andere) noexcept {
    std::swap(m_datei, andere.m_datei);
    return *this;
}

Dateisperre::~Dateisperre() {
    if (m_datei >= 0) ::close(m_datei);
}
