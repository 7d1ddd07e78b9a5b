#include "service/frmTischUmbuchen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Kontext.h"
#include "service/Umbuchen.h"
#include "service/Umbuchungsziel.h"
#include "ui/widgets/Fensterraum.h"
#include "ui/widgets/Fenstertasten.h"
#include "ui/widgets/Postenliste.h"
#include "ui/widgets/Umbuchtasten.h"

frmTischUmbuchen::frmTischUmbuchen(Kontext& k, const Tischort& ziel, QWidget* eltern)
    : QDialog(eltern),
      m_k(k),
      m_tisch{k.werte.station, k.werte.tisch},
      m_ziel(ziel),
      m_links(new Postenliste(QStringLiteral("DataGrid1"), QString(), 0.51, this)),
      m_rechts(new Postenliste(QStringLiteral("DataGrid2"), QString(), 0.51, this)) {
    setObjectName(QStringLiteral("frmTischUmbuchen"));
    setWindowTitle(QStringLiteral("Umbuchen"));
    setModal(true);
    // The window is worked by touch: keys are taken and do nothing, Escape included.
    new Fenstertasten(this, [](QKeyEvent*) { return true; });

    const Umbuchtasten tasten = UmbuchtastenAnlegen(this);
    connect(tasten.allesNachRechts, &QPushButton::clicked, this,
            [this] { umbuchen(true, m_links, m_tisch, m_ziel); });
    connect(tasten.nurMarkierungNachRechts, &QPushButton::clicked, this,
            [this] { umbuchen(false, m_links, m_tisch, m_ziel); });
    connect(tasten.nurMarkierungNachLinks, &QPushButton::clicked, this,
            [this] { umbuchen(false, m_rechts, m_ziel, m_tisch); });
    connect(tasten.allesNachLinks, &QPushButton::clicked, this,
            [this] { umbuchen(true, m_rechts, m_ziel, m_tisch); });

    auto* listen = new QHBoxLayout;
    listen->addWidget(m_links, 1);
    listen->addLayout(tasten.spalte);
    listen->addWidget(m_rechts, 1);

    auto* schliessen =
        GrosseTaste(QStringLiteral("cmdSchliessen"), QStringLiteral("Schließen"), this);
    schliessen->setMinimumWidth(180);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(schliessen);

    auto* fenster = new QVBoxLayout(this);
    fenster->addLayout(listen, 1);
    fenster->addLayout(unten);
    aktualisieren();
}

void frmTischUmbuchen::aktualisieren() {
    m_links->fuellen(m_k, m_tisch, m_tisch, Listenart::Umbuchung);
    m_rechts->fuellen(m_k, m_ziel, m_ziel, Listenart::Umbuchung);
}

void frmTischUmbuchen::umbuchen(bool alles, Postenliste* liste, const Tischort& von,
                                const Tischort& nach) {
    try {
        if (alles) {
            AllesUmbuchen(m_k, von, nach);
        } else if (const auto zeile = liste->markiert()) {
            MarkierteZeileUmbuchen(m_k, von, nach, *zeile, kTischIstLeer);
        } else {
            m_k.dialoge.meldung(kTischIstLeer);
        }
    } catch (const DbFehler& f) {
        m_k.dialoge.fehler(f);
    }
    aktualisieren();
}

void TischUmbuchenZeigen(Kontext& k, QWidget* eltern) {
    std::optional<Tischort> ziel;
    try {
        ziel = UmbuchungszielFragen(k);
    } catch (const DbFehler& f) {
        k.dialoge.fehler(f);
    }
    if (!ziel) return;
    frmTischUmbuchen fenster(k, *ziel, eltern);
    Ueberdecken(&fenster, eltern);
    fenster.exec();
}
