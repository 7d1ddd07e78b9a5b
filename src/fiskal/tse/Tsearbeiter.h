#pragma once

#include <QMutex>
#include <QObject>
#include <QThread>
#include <QWaitCondition>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>

#include "fiskal/tse/Tse.h"

// The device behind a worker thread: every call is handed to the thread and
// waited for at most `zeitlimit`; a device that answers later or fails makes
// the call throw TseFehler, and the till goes on without the signature. The
// device is made on the worker (it opens its own connection there), so its
// counters and log are committed apart from the till's transactions.
class Tsearbeiter : public QThread, public Tse {
    Q_OBJECT
  public:
    using Geraetebau = std::function<std::unique_ptr<Tse>()>;
    explicit Tsearbeiter(Geraetebau bau,
                         std::chrono::milliseconds zeitlimit = std::chrono::seconds(3),
                         QObject* eltern = nullptr);
    // Lets the call in hand finish, then stops.
    ~Tsearbeiter() override;

    Tsestart starten(const QString& prozesstyp, const QString& prozessdaten) override;
    void aktualisieren(std::int64_t nr, const QString& prozesstyp,
                       const QString& prozessdaten) override;
    Tseabschluss beenden(std::int64_t nr, const QString& prozesstyp,
                         const QString& prozessdaten) override;
    Tsezustand zustand() override;
    Tsezertifikat zertifikat() override;
    std::vector<std::int64_t> transaktionen() override;

  Q_SIGNALS:
    // After a call whose outcome differs from the one before: ready or failed.
    void bereitschaft(bool bereit);

  protected:
    void run() override;

  private:
    struct Auftrag;
    // Runs `arbeit` on the device in the worker and waits for it, bounded.
    void ausfuehren(const std::function<void(Tse&)>& arbeit);
    void melden(bool bereit);

    const Geraetebau m_bau;
    const std::chrono::milliseconds m_zeitlimit;
    QMutex m_sperre;
    QWaitCondition m_wecker;
    std::deque<std::shared_ptr<Auftrag>> m_auftraege;
    bool m_ende = false;
    bool m_bereit = true;
    Tsezustand m_zustand = Tsezustand::NichtInitialisiert;
};
