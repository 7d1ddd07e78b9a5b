#include "mehrkassen/Kassenprozesse.h"

#include <signal.h>

Kassenprozesse::Kassenprozesse(const QString& programm, const std::vector<QStringList>& argumente) {
    for (const QStringList& a : argumente) {
        Prozess prozess{std::make_unique<QProcess>(), {}};
        prozess.p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        prozess.p->start(programm, a);
        m_prozesse.push_back(std::move(prozess));
    }
}

Kassenprozesse::~Kassenprozesse() {
    for (Prozess& prozess : m_prozesse) {
        if (const qint64 pid = prozess.p->processId(); pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        prozess.p->waitForFinished(-1);
    }
}

void Kassenprozesse::lesen(Prozess& prozess) {
    while (prozess.p->canReadLine()) {
        const QString zeile = QString::fromUtf8(prozess.p->readLine()).trimmed();
        if (zeile.startsWith(QLatin1String("ZEIT ")))
            zeiten.push_back(zeile.mid(5).toDouble());
        else if (zeile.startsWith(QLatin1String("FEHLER ")))
            fehler << zeile.mid(7);
        else
            prozess.zeilen << zeile;
    }
}

QStringList Kassenprozesse::bisAlle(const QString& kennung) {
    QStringList antworten;
    for (Prozess& prozess : m_prozesse) {
        QString antwort;
        for (;;) {
            lesen(prozess);
            const auto gefunden =
                std::find_if(prozess.zeilen.begin(), prozess.zeilen.end(),
                             [&](const QString& z) { return z.startsWith(kennung); });
            if (gefunden != prozess.zeilen.end()) {
                antwort = *gefunden;
                prozess.zeilen.erase(gefunden);
                break;
            }
            if (prozess.p->state() == QProcess::NotRunning) break;
            prozess.p->waitForReadyRead(200);
        }
        antworten << antwort;
    }
    return antworten;
}

void Kassenprozesse::sagen(const QByteArray& wort) {
    for (Prozess& prozess : m_prozesse) {
        prozess.p->write(wort + '\n');
        prozess.p->waitForBytesWritten(1000);
    }
}

bool Kassenprozesse::bisEnde() {
    bool alleGut = true;
    for (Prozess& prozess : m_prozesse) {
        prozess.p->waitForFinished(-1);
        lesen(prozess);
        if (prozess.p->exitStatus() != QProcess::NormalExit || prozess.p->exitCode() != 0) {
            alleGut = false;
            fehler << QStringLiteral("Kasse endete mit Code %1").arg(prozess.p->exitCode());
        }
    }
    return alleGut;
}
