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
    m_angestossen = true;
    m_wecker.wakeAll();
}

bool Druckarbeiter::warten() {
    QMutexLocker l(&m_sperre);
    if (!m_angestossen && !m_ende) m_wecker.wait(&m_sperre, QDeadlineTimer(m_wiederholen.count()));
    m_angestossen = false;
    return !m_ende;
}

void Druckarbeiter::melden(Datenbank& db) {
    const Druckstand s = DruckstandLesen(db);
    Q_EMIT stand(s.wartend, s.gestoert);
}

void Druckarbeiter::run() {
    std::unique_ptr<Datenbank> db;
    try {
        db = Datenbank::oeffnen(m_pfad, m_schluessel);
        DruckauftraegeNachStart(*db, m_heute);
    } catch (const DbFehler& f) {
        Q_EMIT ausgefallen(f.meldungstext());
        return;
    }
    do {
        try {
            DruckauftraegeAbarbeiten(*db, m_ausgang, [&] { melden(*db); });
            melden(*db);
        } catch (const DbFehler&) {
            // The file was busy longer than the wait allows: next round.
        }
    } while (warten());
}
