#include "absturz/Elternprozess.h"

#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QThread>
#include <cstdio>
#include <map>

#include "absturz/Protokoll.h"

namespace {

// Time the driver gets between its start-up check and the kill: long enough
// for some dozens of actions, short enough to hit every kind of them.
constexpr int kLaengsteLaufzeitMs = 400;
constexpr int kStartzeitGrenzeMs = 120000;

class Lauf {
  public:
    Lauf(const QString& programm, const QStringList& argumente) {
        m_prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_prozess.start(programm, argumente);
    }

    // Reads the driver's lines until it says it is ready (or has ended).
    bool bisBereit() {
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < kStartzeitGrenzeMs) {
            if (zeilenLesen(QStringLiteral("BEREIT"))) return true;
            if (m_prozess.state() == QProcess::NotRunning) return false;
            m_prozess.waitForReadyRead(100);
        }
        return false;
    }

    void toeten() {
        // A driver that has already ended has no process id: kill(0) would hit the parent.
        if (const qint64 pid = m_prozess.processId(); pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        m_prozess.waitForFinished(-1);
        zeilenLesen(QString());
    }

    void bisEnde() {
        m_prozess.waitForFinished(-1);
        zeilenLesen(QString());
    }

    QStringList verletzungen;

  private:
    // True when the line `bis` came.
    bool zeilenLesen(const QString& bis) {
        while (m_prozess.canReadLine()) {
            const QString zeile = QString::fromUtf8(m_prozess.readLine()).trimmed();
            if (zeile.startsWith(QStringLiteral("VERLETZUNG\t")))
                verletzungen << zeile.section(QLatin1Char('\t'), 1);
            if (!bis.isEmpty() && zeile == bis) return true;
        }
        return false;
    }

    QProcess m_prozess;
};

}  // namespace

int AbsturztestLaufen(const QString& programm, const QString& ordner, int kills, quint32 seed) {
    const QString datenbank = QDir(ordner).filePath(QStringLiteral("tavro.db"));
    const QString protokoll = QDir(ordner).filePath(QStringLiteral("seitenprotokoll.txt"));
    const QStringList datei = {QStringLiteral("--datenbank"), datenbank,
                               QStringLiteral("--protokoll"), protokoll};
    QRandomGenerator zufall(seed);
    QStringList verletzungen;
    std::map<QString, int> unterbrochen;
    int getoetet = 0;
    for (int i = 0; i < kills; ++i) {
        Lauf lauf(programm,
                  datei + QStringList{QStringLiteral("--treiber"), QStringLiteral("--seed"),
                                      QString::number(seed + i + 1)});
        if (!lauf.bisBereit()) {
            lauf.toeten();
            verletzungen
                << lauf.verletzungen
                << QStringLiteral("Der Treiber kam beim %1. Start nicht in Gang").arg(i + 1);
            break;
        }
        QThread::msleep(zufall.bounded(kLaengsteLaufzeitMs));
        lauf.toeten();
        ++getoetet;
        verletzungen << lauf.verletzungen;
        const QString art = ProtokollLesen(protokoll).offeneArt;
        ++unterbrochen[art.isEmpty() ? QStringLiteral("zwischen zwei Aktionen") : art];
    }
    Lauf pruefung(programm, datei + QStringList{QStringLiteral("--pruefen")});
    pruefung.bisEnde();
    verletzungen << pruefung.verletzungen;

    for (const QString& v : verletzungen) std::printf("Verletzung: %s\n", qPrintable(v));
    QStringList arten;
    for (const auto& [art, anzahl] : unterbrochen)
        arten << QStringLiteral("%1 %2").arg(art).arg(anzahl);
    std::printf("Unterbrochen: %s\n", qPrintable(arten.join(QStringLiteral(", "))));
    std::printf("Kills: %d, Aktionen: %d, Verletzungen: %lld\n", getoetet,
                ProtokollLesen(protokoll).nummer, static_cast<long long>(verletzungen.size()));
    return verletzungen.isEmpty() ? 0 : 1;
}
