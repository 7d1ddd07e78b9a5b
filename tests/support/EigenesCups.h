#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

// A CUPS scheduler of the test's own, in a temporary folder, with one queue
// that prints to /dev/null; CUPS_SERVER points this process at it. bereit()
// tells whether it runs (cupsd installed and startable).
class EigenesCups {
  public:
    explicit EigenesCups(const QString& warteschlange) {
        const QString cupsd = QStandardPaths::findExecutable(
            QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
        if (cupsd.isEmpty() || !m_ort.isValid()) return;
        const QString ort = m_ort.path();
        for (const char* ordner : {"spool", "cache", "state", "log", "tmp"})
            QDir(ort).mkpath(QString::fromLatin1(ordner));
        schreiben(QStringLiteral("cupsd.conf"),
                  QStringLiteral("Listen %1/cups.sock\nLogLevel warn\nWebInterface No\n"
                                 "Browsing No\n<Location />\nOrder allow,deny\nAllow all\n"
                                 "</Location>\n")
                      .arg(ort));
        schreiben(QStringLiteral("cups-files.conf"),
                  QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                 "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\n"
                                 "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                 "FileDevice Yes\nSandboxing Relaxed\n")
                      .arg(ort));
        m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), ort + "/cupsd.conf",
                              QStringLiteral("-s"), ort + "/cups-files.conf"});
        if (!m_cupsd.waitForStarted(3000)) return;
        qputenv("CUPS_SERVER", QFile::encodeName(ort + "/cups.sock"));
        QElapsedTimer uhr;
        uhr.start();
        while (!QFileInfo::exists(ort + "/cups.sock") && uhr.elapsed() < 5000) QThread::msleep(20);
        m_bereit = befehl(QStringLiteral("lpadmin"),
                          {QStringLiteral("-p"), warteschlange, QStringLiteral("-E"),
                           QStringLiteral("-v"), QStringLiteral("file:/dev/null")});
    }
    ~EigenesCups() {
        m_cupsd.terminate();
        m_cupsd.waitForFinished(3000);
    }
    EigenesCups(const EigenesCups&) = delete;
    EigenesCups& operator=(const EigenesCups&) = delete;

    bool bereit() const { return m_bereit; }
    // Runs a CUPS command (cupsdisable, cupsreject, ...) against this scheduler.
    static bool befehl(const QString& programm, const QStringList& argumente) {
        QProcess p;
        p.start(programm, argumente);
        return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }

  private:
    void schreiben(const QString& name, const QString& text) {
        QFile datei(m_ort.filePath(name));
        if (datei.open(QIODevice::WriteOnly)) datei.write(text.toUtf8());
    }

    QTemporaryDir m_ort;
    QProcess m_cupsd;
    bool m_bereit = false;
};
