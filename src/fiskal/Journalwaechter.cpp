#include "fiskal/Journalwaechter.h"

#include <QThread>

#include "core/DbFehler.h"
#include "fiskal/Journalpruefung.h"

Journalwaechter::Journalwaechter(const QString& pfad, const QByteArray& schluessel, QObject* eltern)
    : QObject(eltern) {
    m_thread = QThread::create([this, pfad, schluessel] {
        try {
            const auto befund = JournalPruefen(
                pfad, schluessel, [this] { return m_thread->isInterruptionRequested(); });
            if (befund) Q_EMIT geprueft(Befundtext(*befund), !befund->veraendertAb);
        } catch (const DbFehler& f) {
            Q_EMIT geprueft(QStringLiteral("Journal nicht prüfbar: ") + f.beschreibung(), false);
        }
    });
}

void Journalwaechter::starten() { m_thread->start(QThread::LowPriority); }

Journalwaechter::~Journalwaechter() {
    m_thread->requestInterruption();
    m_thread->wait();
    delete m_thread;
}
