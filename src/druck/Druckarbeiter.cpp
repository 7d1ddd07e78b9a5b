#include "druck/Druckarbeiter.h"

#include "core/Datenbank.h"
#include "druck/Druckauftraege.h"

Druckarbeiter::Druckarbeiter(const Datenbank& db, const Druckerausgang& ausgang, QDate heute,
                             std::chrono::milliseconds wiederholen, QObject* eltern)
    : QThread(eltern),
      m_pfad(db.pfad()),
      m_schluessel(db.schluessel()),
      m_ausgang(ausgang),
      m_heute(heute),
      m_wiederholen(wiederholen) {}

Druckarbeiter::~Druckarbeiter() {
    {
        QMutexLocker l(&m_sperre);
        m_ende = true;
        m_wecker.wakeAll();
    }
    wait();
}

void Druckarbeiter::anstossen() {
    QMutexLocker l(&m_sperre);
    ++m_anstoesse;
    m_wecker.wakeAll();
}

bool Druckarbeiter::warten(quint64& gesehen) {
    QMutexLocker l(&m_sperre);
    if (m_anstoesse == gesehen && !m_ende)
        m_wecker.wait(&m_sperre, QDeadlineTimer(m_wiederholen.count()));
    gesehen = m_anstoesse;
    return !m_ende;
}

std::unique_ptr<Datenbank> Druckarbeiter::verbinden(bool melden) {
    try {
        return Datenbank::oeffnen(m_pfad, m_schluessel);
    } catch (const DbFehler& f) {
        if (melden) Q_EMIT ausgefallen(f.meldungstext());
        return nullptr;
    }
}

void Druckarbeiter::melden(Datenbank& db) {
    const Druckstand s = DruckstandLesen(db);
    Q_EMIT stand(s.wartend, s.gestoert);
}

void Druckarbeiter::run() {
    const std::unique_ptr<Datenbank> db = verbinden(true);
    if (!db) return;
    quint64 gesehen = 0;
    do {
        try {
            DruckauftraegeNachStart(*db, m_heute);
            break;
        } catch (const DbFehler&) {
            // The file was busy longer than the wait allows: try again.
        }
    } while (warten(gesehen));
    do {
        try {
            for (const QString& drucker : WartendeDrucker(*db, m_ausgang)) bahnStarten(drucker);
            melden(*db);
        } catch (const DbFehler&) {
            // Busy: next round.
        }
    } while (warten(gesehen));
    // Stopped: the lanes end after the job they print.
    for (auto& [drucker, faden] : m_bahnen) faden->wait();
}

void Druckarbeiter::bahnStarten(const QString& drucker) {
    QMutexLocker l(&m_sperre);
    if (m_ende || m_laufend.contains(drucker)) return;
    // A lane that found nothing more has ended, or is about to.
    if (const auto alt = m_bahnen.find(drucker); alt != m_bahnen.end()) alt->second->wait();
    m_laufend.insert(drucker);
    auto& faden = m_bahnen[drucker];
    faden.reset(QThread::create([this, drucker] { bahn(drucker); }));
    faden->start();
}

void Druckarbeiter::bahn(const QString& drucker) {
    // The worker could open the file: a lane that cannot is told nothing, it
    // ends and is started again at the next pass.
    const std::unique_ptr<Datenbank> db = verbinden(false);
    quint64 gesehen = 0;
    {
        QMutexLocker l(&m_sperre);
        gesehen = m_anstoesse;
    }
    for (;;) {
        bool wartet = true;
        if (db) {
            try {
                DruckauftraegeAbarbeiten(
                    *db, m_ausgang, [&] { melden(*db); }, drucker);
                wartet = WartendeDrucker(*db, m_ausgang).contains(drucker);
                melden(*db);
            } catch (const DbFehler&) {
                // Busy: try again after the wait.
            }
        }
        QMutexLocker l(&m_sperre);
        // Ends only when no job was stored since it last looked, so a job
        // stored meanwhile is never left without a lane.
        if (m_ende || (!wartet && m_anstoesse == gesehen) || !db) {
            m_laufend.remove(drucker);
            return;
        }
        if (m_anstoesse == gesehen) m_wecker.wait(&m_sperre, QDeadlineTimer(m_wiederholen.count()));
        gesehen = m_anstoesse;
    }
}
