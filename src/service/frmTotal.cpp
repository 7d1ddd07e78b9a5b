#include "service/frmTotal.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "hotel/Zimmerbelastung.h"
#include "service/Abkassieren.h"
#include "service/AufHaus.h"
#include "service/Umbuchen.h"
#include "service/Zahlliste.h"
#include "ui/Absichern.h"
#include "ui/widgets/Fensterraum.h"
#include "ui/widgets/Postenliste.h"
#include "ui/widgets/Tastenfluss.h"
#include "ui/widgets/Umbuchtasten.h"

namespace {

QLabel* kopf(const QString& name, const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    QFont f = l->font();
    f.setPointSize(18);
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

frmTotal::frmTotal(Kontext& k, QWidget* eltern)
    : QDialog(eltern),
      m_k(k),
      m_tisch{k.werte.station, k.werte.tisch},
      m_zahlen(Zahlliste(m_tisch)),
      m_links(new Postenliste(QStringLiteral("DataGrid1"), QStringLiteral("lblTischSummeLinks"),
                              0.45, this)),
      m_rechts(new Postenliste(QStringLiteral("DataGrid2"), QStringLiteral("lblTischSummeRechts"),
                               0.45, this)),
      m_zahlungsart(kopf(QStringLiteral("lblNachtisch"), kBar, this)) {
    setObjectName(QStringLiteral("frmTotal"));
    setWindowTitle(QStringLiteral("TOTAL"));
    setModal(true);

    const Umbuchtasten tasten = UmbuchtastenAnlegen(this);
    connect(tasten.allesNachRechts, &QPushButton::clicked, this,
            [this] { alleUmbuchen(m_tisch, m_zahlen); });
    connect(tasten.nurMarkierungNachRechts, &QPushButton::clicked, this,
            [this] { markierteUmbuchen(m_links, m_tisch, m_zahlen); });
    connect(tasten.nurMarkierungNachLinks, &QPushButton::clicked, this,
            [this] { markierteUmbuchen(m_rechts, m_zahlen, m_tisch); });
    connect(tasten.allesNachLinks, &QPushButton::clicked, this,
            [this] { alleUmbuchen(m_zahlen, m_tisch); });

    auto* links = new QVBoxLayout;
    links->addWidget(kopf(QStringLiteral("lblVonTisch"), QStringLiteral("Bestellung"), this));
    links->addWidget(m_links, 1);
    // "Auf Haus" acts on the marked line of the pay list, so it sits below it.
    auto* aufHaus = GrosseTaste(QStringLiteral("cmdAufHaus"), kAufHaus, this);
    aufHaus->setMinimumWidth(150);
    connect(aufHaus, &QPushButton::clicked, this, &frmTotal::aufHaus);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(m_zahlungsart);
    rechts->addWidget(m_rechts, 1);
    rechts->addWidget(aufHaus, 0, Qt::AlignLeft);

    auto* listen = new QHBoxLayout;
    listen->addLayout(links, 1);
    listen->addLayout(tasten.spalte);
    listen->addLayout(rechts, 1);

    auto* rahmen = new QGroupBox(this);
    rahmen->setObjectName(QStringLiteral("Frame1"));
    auto* optionen = new QHBoxLayout(rahmen);
    auto* gruppe = new QButtonGroup(this);
    const QString arten[] = {kBar, kKarte, kGutschein, kZimmer};
    for (int i = 0; i < 4; ++i) {
        m_optionen[i] = new QRadioButton(arten[i], rahmen);
        m_optionen[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        m_optionen[i]->setMinimumHeight(56);
        QFont f = m_optionen[i]->font();
        f.setPointSize(15);
        m_optionen[i]->setFont(f);
        m_optionen[i]->setStyleSheet(
            QStringLiteral("QRadioButton::indicator { width: 32px; height: 32px; }"));
        gruppe->addButton(m_optionen[i], i);
        optionen->addWidget(m_optionen[i]);
    }
    m_optionen[0]->setChecked(true);
    connect(gruppe, &QButtonGroup::idClicked, this, &frmTotal::zahlungsartGewaehlt);

    // The slips and "Schließen" go below the payment choice where the screen is narrow.
    auto* belege = new QWidget(this);
    auto* tastenreihe = new QHBoxLayout(belege);
    tastenreihe->setContentsMargins(0, 0, 0, 0);
    for (const auto& [name, beleg] :
         {std::pair{"cmdKassenbon", kKassenbon}, std::pair{"cmdRechnung", kRechnungBeleg},
          std::pair{"cmdKeinBon", kKeinBon}}) {
        auto* t = GrosseTaste(QString::fromUtf8(name), beleg, this);
        t->setMinimumWidth(150);
        connect(t, &QPushButton::clicked, this, [this, beleg] { abrechnen(beleg); });
        tastenreihe->addWidget(t);
    }
    auto* schliessen =
        GrosseTaste(QStringLiteral("cmdSchliessen"), QStringLiteral("Schließen"), this);
    schliessen->setMinimumWidth(150);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
    tastenreihe->addWidget(schliessen);
    auto* unten = new Tastenfluss;
    unten->addWidget(rahmen);
    unten->addWidget(belege);

    auto* fenster = new QVBoxLayout(this);
    fenster->addLayout(listen, 1);
    fenster->addLayout(unten);

    // Lines an unfinished settlement left on the pay list go home first; then,
    // by default, the whole table is paid at once.
    try {
        ZahllisteZurueckbuchen(m_k);
    } catch (const DbFehler& f) {
        m_k.dialoge.fehler(f);
    }
    alleUmbuchen(m_tisch, m_zahlen);
}

void frmTotal::aktualisieren() {
    m_links->fuellen(m_k, m_tisch, m_tisch, Listenart::Abrechnung);
    m_rechts->fuellen(m_k, m_zahlen, m_tisch, Listenart::Abrechnung);
}

void frmTotal::alleUmbuchen(const Tischort& von, const Tischort& nach) {
    try {
        AllesUmbuchen(m_k, von, nach);
    } catch (const DbFehler& f) {
        m_k.dialoge.fehler(f);
    }
    aktualisieren();
}

void frmTotal::markierteUmbuchen(Postenliste* liste, const Tischort& von, const Tischort& nach) {
    try {
        const auto zeile = liste->markiert();
        if (zeile)
            MarkierteZeileUmbuchen(m_k, von, nach, *zeile, kGerichtNichtGefunden);
        else
            m_k.dialoge.meldung(kGerichtNichtGefunden);
    } catch (const DbFehler& f) {
        m_k.dialoge.fehler(f);
    }
    aktualisieren();
}

void frmTotal::aufHaus() {
    try {
        if (const auto zeile = m_rechts->markiert())
            AufHaus(m_k, m_zahlen, zeile->id);
        else
            m_k.dialoge.meldung(kGerichtNichtGefunden);
    } catch (const DbFehler& f) {
        m_k.dialoge.fehler(f);
    }
    aktualisieren();
}

void frmTotal::zahlungsartGewaehlt(int index) {
    if (index == 3) {
        m_gutschein = {};
        std::optional<Hausgast> gast;
        Absichern(m_k, [&] { gast = ZimmerWaehlen(m_k); });
        // Without a guest to charge, the bill stays on cash.
        if (!gast) m_optionen[0]->setChecked(true);
        m_zahlungsart->setText(gast ? ZimmerZahlungsart(gast->zimmerNr) : kBar);
    } else if (index == 2) {
        m_gutschein = GutscheinFragen(m_k);
        m_zahlungsart->setText(GutscheinUeberschrift(m_gutschein));
    } else {
        m_gutschein = {};
        m_zahlungsart->setText(m_optionen[index]->text());
    }
}

void frmTotal::abrechnen(const QString& beleg) {
    if (beleg == kKeinBon && !KassenrechtPruefen(m_k, QStringLiteral("OhneKassenbon"))) return;
    try {
        if (Abkassieren(m_k, beleg, m_zahlungsart->text(), m_gutschein)) {
            m_abgerechnet = true;
            accept();
            return;
        }
    } catch (const DbFehler& f) {
        m_k.dialoge.fehler(f);
    }
    aktualisieren();
}

void frmTotal::done(int ergebnis) {
    // Any way out but a settlement puts the pay list back on the table.
    if (!m_abgerechnet) {
        try {
            AllesUmbuchen(m_k, m_zahlen, m_tisch);
        } catch (const DbFehler& f) {
            m_k.dialoge.fehler(f);
        }
    }
    QDialog::done(ergebnis);
}

bool TotalZeigen(Kontext& k, QWidget* eltern) {
    frmTotal fenster(k, eltern);
    Ueberdecken(&fenster, eltern);
    fenster.exec();
    return fenster.abgerechnet();
}
