#include "core/Schluesseldatei.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include "core/DbFehler.h"

namespace {

// 32 random bytes as hexadecimal digits: safe inside PRAGMA key='…' and on paper.
QByteArray neuePassphrase() {
    QByteArray zufall(32, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(zufall.data()),
                                          zufall.size() / sizeof(quint32));
    return zufall.toHex();
}

}  // namespace

QString StandardSchluesselpfad() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tavro/schluessel");
}

QByteArray SchluesselLesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.exists())
        throw DbFehler(
            SQLITE_CANTOPEN,
            QStringLiteral("Die Schlüsseldatei '%1' fehlt.").arg(QDir::toNativeSeparators(pfad)));
    if (!datei.open(QIODevice::ReadOnly))
        throw DbFehler(SQLITE_CANTOPEN,
                       QStringLiteral("Die Schlüsseldatei '%1' ist nicht lesbar "
                                      "(%2).")
                           .arg(QDir::toNativeSeparators(pfad), datei.errorString()));
    const QByteArray passphrase = datei.readLine().trimmed();
    if (passphrase.isEmpty())
        throw DbFehler(SQLITE_NOTADB, QStringLiteral("Die Schlüsseldatei '%1' ist leer.")
                                          .arg(QDir::toNativeSeparators(pfad)));
    return passphrase;
}

QByteArray SchluesselAnlegen(const QString& pfad) {
    const QString ordner = QFileInfo(pfad).absolutePath();
    QDir().mkpath(ordner);
    QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray passphrase = neuePassphrase();
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                    QFile::ReadOwner | QFile::WriteOwner) ||
        datei.write(passphrase + '\n') != passphrase.size() + 1 || !datei.flush())
        throw DbFehler(SQLITE_CANTOPEN,
                       QStringLiteral("Die Schlüsseldatei '%1' kann nicht angelegt "
                                      "werden (%2).")
                           .arg(QDir::toNativeSeparators(pfad), datei.errorString()));
    return passphrase;
}
