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
// would.
class Testausgang : public Druckerausgang {
  public:
    explicit Testausgang(QStringList namen, QString standard = QString())
        : m_namen(std::move(namen)), m_standard(standard.isEmpty() ? m_namen.value(0) : standard) {}

    QStringList warteschlangen() const override { return m_namen; }
    QString standard() const override { return m_standard; }
    std::unique_ptr<Druckziel> ziel(const QString& drucker) const override {
        return std::make_unique<Ziel>(const_cast<Testausgang&>(*this), drucker);
    }

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
        if (!m_namen.contains(name))
            throw DbFehler(kDruckfehler,
                           QStringLiteral("Der Drucker \"%1\" ist nicht verfügbar.").arg(name));
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
    std::map<QString, std::vector<Dokument>> m_dokumente;
    int m_haengend = 0;
};
