#include "fiskal/tse/Tsearbeiter.h"

#include <future>

#include "core/DbFehler.h"

struct Tsearbeiter::Auftrag {
    std::function<void(Tse&)> arbeit;
    std::promise<void> erledigt;
};

Tsearbeiter::Tsearbeiter(Geraetebau bau, std::chrono::milliseconds zeitlimit, QObject* eltern)
    : QThread(eltern), m_bau(std::move(bau)), m_zeitlimit(zeitlimit) {
    start();
}

Tsearbeiter::~Tsearbeiter() {
    {
        QMutexLocker l(&m_sperre);
        m_ende = true;
        m_wecker.wakeAll();
    }
    wait();
}

void Tsearbeiter::run() {
    std::unique_ptr<Tse> geraet;
    QString grund;
    try {
        geraet = m_bau();
    } catch (const TseFehler& f) {
        grund = f.grund();
    } catch (const DbFehler& f) {
        grund = f.beschreibung();
    }
    {
        QMutexLocker l(&m_sperre);
        m_zustand = geraet ? Tsezustand::Bereit : Tsezustand::Ausgefallen;
    }
    for (;;) {
        std::shared_ptr<Auftrag> auftrag;
        {
            QMutexLocker l(&m_sperre);
            while (m_auftraege.empty() && !m_ende) m_wecker.wait(&m_sperre);
            if (m_auftraege.empty()) return;
            auftrag = m_auftraege.front();
            m_auftraege.pop_front();
        }
        try {
            if (!geraet)
                throw TseFehler(QStringLiteral("Die TSE ist nicht verfügbar: %1").arg(grund));
            auftrag->arbeit(*geraet);
            auftrag->erledigt.set_value();
        } catch (const DbFehler& f) {
            auftrag->erledigt.set_exception(std::make_exception_ptr(TseFehler(
                QStringLiteral("Die TSE meldet einen Fehler: %1").arg(f.beschreibung()))));
        } catch (...) {
            auftrag->erledigt.set_exception(std::current_exception());
        }
    }
}

void Tsearbeiter::ausfuehren(const std::function<void(Tse&)>& arbeit) {
    auto auftrag = std::make_shared<Auftrag>();
    auftrag->arbeit = arbeit;
    std::future<void> antwort = auftrag->erledigt.get_future();
    {
        QMutexLocker l(&m_sperre);
        m_auftraege.push_back(auftrag);
        m_wecker.wakeAll();
    }
    if (antwort.wait_for(m_zeitlimit) != std::future_status::ready) {
        melden(false);
        throw TseFehler(QStringLiteral("Die TSE hat nicht rechtzeitig geantwortet."));
    }
    try {
        antwort.get();
    } catch (const TseFehler&) {
        melden(false);
        throw;
    }
    melden(true);
}

void Tsearbeiter::melden(bool bereit) {
    {
        QMutexLocker l(&m_sperre);
        if (m_zustand != Tsezustand::NichtInitialisiert)
            m_zustand = bereit ? Tsezustand::Bereit : Tsezustand::Ausgefallen;
    }
    if (bereit == m_bereit) return;
    m_bereit = bereit;
    Q_EMIT bereitschaft(bereit);
}

Tsestart Tsearbeiter::starten(const QString& prozesstyp, const QString& prozessdaten) {
    // The answer is shared with the worker: one that comes too late is dropped.
    auto ergebnis = std::make_shared<Tsestart>();
    ausfuehren([=](Tse& t) { *ergebnis = t.starten(prozesstyp, prozessdaten); });
    return *ergebnis;
}

void Tsearbeiter::aktualisieren(std::int64_t nr, const QString& prozesstyp,
                                const QString& prozessdaten) {
    ausfuehren([=](Tse& t) { t.aktualisieren(nr, prozesstyp, prozessdaten); });
}

Tseabschluss Tsearbeiter::beenden(std::int64_t nr, const QString& prozesstyp,
                                  const QString& prozessdaten) {
    auto ergebnis = std::make_shared<Tseabschluss>();
    ausfuehren([=](Tse& t) { *ergebnis = t.beenden(nr, prozesstyp, prozessdaten); });
    return *ergebnis;
}

Tsezustand Tsearbeiter::zustand() {
    QMutexLocker l(&m_sperre);
    return m_zustand;
}

Tsezertifikat Tsearbeiter::zertifikat() {
    auto ergebnis = std::make_shared<Tsezertifikat>();
    ausfuehren([=](Tse& t) { *ergebnis = t.zertifikat(); });
    return *ergebnis;
}

std::vector<std::int64_t> Tsearbeiter::transaktionen() {
    auto ergebnis = std::make_shared<std::vector<std::int64_t>>();
    ausfuehren([=](Tse& t) { *ergebnis = t.transaktionen(); });
    return *ergebnis;
}
