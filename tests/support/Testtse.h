#pragma once

#include <QThread>
#include <atomic>
#include <chrono>

#include "fiskal/tse/Tse.h"

// A device for the failure cases: it answers made-up signatures, after
// `verzoegerung`, or refuses every call while `ausgefallen` is set. It keeps
// a log of started transactions, as a real device does.
class Testtse : public Tse {
  public:
    std::atomic<bool> ausgefallen{false};
    std::chrono::milliseconds verzoegerung{0};
    std::vector<std::int64_t> log;

    Tsestart starten(const QString&, const QString&) override {
        antworten();
        log.push_back(static_cast<std::int64_t>(log.size()) + 1);
        return {log.back(), QDateTime::currentDateTimeUtc()};
    }
    void aktualisieren(std::int64_t, const QString&, const QString&) override { antworten(); }
    Tseabschluss beenden(std::int64_t nr, const QString& typ, const QString& daten) override {
        antworten();
        const QDateTime jetzt = QDateTime::currentDateTimeUtc();
        return {nr,    ++m_zaehler,        jetzt, jetzt, QStringLiteral("ab12"), typ,
                daten, QByteArray(64, 'x')};
    }
    Tsezustand zustand() override {
        return ausgefallen ? Tsezustand::Ausgefallen : Tsezustand::Bereit;
    }
    Tsezertifikat zertifikat() override {
        antworten();
        return {QStringLiteral("ab12"), QByteArray(65, '\x04'), QByteArray("zertifikat")};
    }
    std::vector<std::int64_t> transaktionen() override {
        antworten();
        return log;
    }

  private:
    void antworten() {
        QThread::msleep(static_cast<unsigned long>(verzoegerung.count()));
        if (ausgefallen) throw TseFehler(QStringLiteral("Die Test-TSE ist ausgefallen."));
    }
    std::int64_t m_zaehler = 0;
};
