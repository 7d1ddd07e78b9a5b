#pragma once

#include <QStringList>
#include <condition_variable>
#include <map>
#include <mutex>

#include "druck/Druckerausgang.h"
#include "ui/Druckziel.h"
#include "ui/bericht/Dokument.h"

// Printers for the print queue's tests, reached from the worker thread: each
// records what it printed, can be made to fail, or to stall until released,
// as a printer that does not answer. A name it does not know fails as CUPS
// would; so does one given a state (refusing jobs).
class Testausgang : public Druckerausgang {
  public:
    explicit Testausgang(QStringList namen, QString standard = QString())
        : m_namen(std::move(namen)), m_standard(standard.isEmpty() ? m_namen.value(0) : standard) {}

    QStringList warteschlangen() const override { return m_namen; }
    QString standard() const override { return m_standard; }
    std::unique_ptr<Druckziel> ziel(const QString& drucker) const override {
        return std::make_unique<Ziel>(const_cast<Testausgang&>(*this), drucker);
    }

    // Unknown names are unknown to CUPS; a name may be given a state of its own.
    QString zustand(const QString& drucker) const override {
        std::lock_guard l(m_sperre);
        if (m_zustand.count(drucker)) return m_zustand.at(drucker);
        return m_namen.contains(drucker) || drucker == QStringLiteral("PDF-Ordner")
                   ? QString()
                   : CupsUnbekannt(drucker);
    }
    // The named sheet printers; every other queue is a roll.
    bool aufRolle(const QString& drucker) const override { return !m_blatt.contains(drucker); }

    void zustandSetzen(const QString& name, const QString& zustand) {
        aendern([&] { m_zustand[name] = zustand; });
    }
    void blattdrucker(const QString& name) { m_blatt << name; }

    void stoeren(const QString& name, bool kaputt) {
        aendern([&] { m_kaputt[name] = kaputt; });
    }
    void anhalten(const QString& name, bool haengt) {
        aendern([&] { m_haengt[name] = haengt; });
    }
    // The titles printed, per printer, in order.
    QStringList gedruckt(const QString& name) const {
        QStringList titel;
        for (const Dokument& d : dokumente(name)) titel << d.titel;
        return titel;
    }
    std::vector<Dokument> dokumente(const QString& name) const {
        std::lock_guard l(m_sperre);
        return m_dokumente.count(name) ? m_dokumente.at(name) : std::vector<Dokument>();
    }
    // Jobs stuck in a stalled printer right now.
    int haengend() const {
        std::lock_guard l(m_sperre);
        return m_haengend;
    }

  private:
    struct Ziel : Druckziel {
        Ziel(Testausgang& a, QString n) : ausgang(a), name(std::move(n)) {}
        void drucken(const Dokument& d) override { ausgang.drucken(name, d); }
        Testausgang& ausgang;
        QString name;
    };

    template <typename F>
    void aendern(F f) {
        {
            std::lock_guard l(m_sperre);
            f();
        }
        m_wecker.notify_all();
    }

    void drucken(const QString& name, const Dokument& d) {
        std::unique_lock l(m_sperre);
        if (!m_namen.contains(name)) throw DbFehler(kDruckfehler, CupsUnbekannt(name));
        if (m_zustand.count(name)) throw DbFehler(kDruckfehler, m_zustand.at(name));
        ++m_haengend;
        m_wecker.wait(l, [&] { return !m_haengt[name]; });
        --m_haengend;
        if (m_kaputt[name]) throw DbFehler(kDruckfehler, QStringLiteral("Papierende"));
        m_dokumente[name].push_back(d);
    }

    QStringList m_namen;
    QString m_standard;
    mutable std::mutex m_sperre;
    std::condition_variable m_wecker;
    std::map<QString, bool> m_kaputt, m_haengt;
    std::map<QString, QString> m_zustand;
    QStringList m_blatt;
    std::map<QString, std::vector<Dokument>> m_dokumente;
    int m_haengend = 0;
};
