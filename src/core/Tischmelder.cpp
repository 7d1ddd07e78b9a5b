#include "core/Tischmelder.h"

#include <QSocketNotifier>

#include "core/Datenbank.h"

Tischmelder::Tischmelder(Datenbank& db, QObject* eltern) : QObject(eltern), m_db(db) {
    m_sammler.setSingleShot(true);
    m_sammler.setInterval(kSammelzeitMs);
    connect(&m_sammler, &QTimer::timeout, this, &Tischmelder::geaendert);
    m_nummer = m_db.hoeren(kTischkanal, [this] { gemeldet(); });
    lauscherSetzen();
}

Tischmelder::~Tischmelder() { m_db.aufhoeren(m_nummer); }

void Tischmelder::gemeldet() {
    // After a reconnect the socket is new, perhaps under the old number.
    lauscherSetzen();
    if (!m_sammler.isActive()) m_sammler.start();
}

void Tischmelder::lauscherSetzen() {
    if (m_lauscher) {
        // Possibly inside its own signal: it goes once that has returned.
        m_lauscher->setEnabled(false);
        m_lauscher->deleteLater();
        m_lauscher = nullptr;
    }
    const int socket = m_db.socket();
    if (socket < 0) return;
    m_lauscher = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(m_lauscher, &QSocketNotifier::activated, this, [this] {
        m_db.abholen();
        // A server gone away leaves the socket readable for good.
        if (m_db.socket() < 0) lauscherSetzen();
    });
}
