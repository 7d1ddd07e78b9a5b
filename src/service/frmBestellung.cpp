#include "service/frmBestellung.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "service/Bestelltasten.h"
#include "service/Gaenge.h"
#include "service/frmGaenge.h"
#include "service/frmSchnellwahltaste.h"
#include "service/frmTastenMenu1.h"
#include "service/frmTastenMenu2.h"
#include "service/frmTisch.h"
#include "service/frmTischUmbuchen.h"
#include "service/frmTotal.h"
#include "service/frmkarteAuswahl.h"
#include "ui/Absichern.h"
#include "ui/widgets/Fenstertasten.h"

frmBestellung::frmBestellung(Kontext& k, QWidget* eltern)
    : QWidget(eltern),
      m_k(k),
      m_tisch(new frmTisch(k)),
      m_gaenge(new frmGaenge),
      m_menu2(new frmTastenMenu2(k)),
      m_menu1(new frmTastenMenu1(k, *m_tisch, *m_menu2)),
      m_schnellwahl(new frmSchnellwahltaste(k)),
      m_karte(new frmkarteAuswahl(k)),
      m_picker(new QStackedWidget) {
    setObjectName(QStringLiteral("frmBestellung"));
    setFocusPolicy(Qt::StrongFocus);
    m_picker->addWidget(m_schnellwahl);
    m_picker->addWidget(m_karte);
    // Every key is ours, Tab included: it must not wander between the keys.
    new Fenstertasten(this, [this](QKeyEvent* taste) {
        tasteVerarbeiten(BestelltasteDeuten(taste->key(), taste->modifiers()));
        return true;
    });

    connect(m_menu2, &frmTastenMenu2::eingetragen, this, [this] {
        m_tisch->anzeigen(QStringLiteral("Neu"));
        m_tisch->neuesteZeileMarkieren();
        m_zeileGewaehlt = false;
    });
    connect(m_gaenge, &frmGaenge::gewaehlt, this, &frmBestellung::gangWaehlen);
    connect(m_gaenge, &frmGaenge::abrufen, this, [this] {
        if (GangAbrufenFragen(m_k)) m_tisch->anzeigen(m_tisch->modus());
    });
    connect(m_menu2, &frmTastenMenu2::pickerGewechselt, this, &frmBestellung::pickerZeigen);
    // Settlement and transfer take over from the function keys.
    connect(m_menu1, &frmTastenMenu1::kassieren, this, [this] {
        if (TotalZeigen(m_k, window()))
            m_menu1->abgerechnet();
        else
            m_tisch->anzeigen(m_tisch->modus());
    });
    connect(m_menu1, &frmTastenMenu1::umbuchen, this, [this] {
        TischUmbuchenZeigen(m_k, window());
        m_tisch->anzeigen(m_tisch->modus());
    });
    connect(m_tisch, &frmTisch::angetippt, m_menu2, &frmTastenMenu2::eingabeLeeren);
    connect(m_tisch, &frmTisch::angetippt, this, [this] { m_zeileGewaehlt = true; });
    // A quick key adds to what was typed, so "3x" and a key order three.
    connect(m_schnellwahl, &frmSchnellwahltaste::artikelGewaehlt, this, [this](const QString& plu) {
        m_menu2->anhaengen(plu);
        m_menu2->DatenFinden();
    });
    connect(m_karte, &frmkarteAuswahl::artikelGewaehlt, this, [this](const QString& plu) {
        m_menu2->setzeEingabe(plu);
        m_menu2->DatenFinden();
    });

    auto* links = new QVBoxLayout;
    links->addWidget(m_tisch, 5);
    links->addWidget(m_gaenge);
    links->addWidget(m_picker, 4);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(10);
    layout->addLayout(links, 1);
    layout->addWidget(m_menu1);
    layout->addWidget(m_menu2);
}

// The key columns take a share of the screen's width, so the order lines keep
// room for names and prices on a small screen too.
void frmBestellung::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    m_menu1->setFixedWidth(std::clamp(width() * 15 / 100, 140, 200));
    m_menu2->setFixedWidth(std::clamp(width() * 26 / 100, 300, 360));
}

void frmBestellung::oeffnen() {
    m_menu2->eingabeLeeren();
    m_k.werte.gang.clear();
    m_gaenge->zeigen(QString());
    m_zeileGewaehlt = false;
    m_tisch->oeffnen();
    pickerZeigen(m_menu2->karteGewaehlt());
    setFocus();
}

void frmBestellung::gangWaehlen(const QString& gang) {
    if (const Tischzeile* zeile = m_tisch->aktuelleZeile(); m_zeileGewaehlt && zeile) {
        const std::int64_t id = zeile->id;
        bool gesetzt = false;
        Absichern(m_k, [&] { gesetzt = GangSetzen(m_k, id, gang); });
        if (!gesetzt) return;
        m_zeileGewaehlt = false;
        m_tisch->anzeigen(m_tisch->modus());
    }
    m_k.werte.gang = gang;
    m_gaenge->zeigen(gang);
    setFocus();
}

void frmBestellung::pickerZeigen(bool karte) {
    if (karte) {
        m_karte->laden();
        m_picker->setCurrentWidget(m_karte);
    } else {
        m_schnellwahl->laden();
        m_picker->setCurrentWidget(m_schnellwahl);
    }
}

void frmBestellung::tasteVerarbeiten(const Bestelltaste& t) {
    using A = Bestelltaste::Aktion;
    switch (t.aktion) {
        case A::Nichts:
            return;
        case A::Leeren:
            return m_menu2->eingabeLeeren();
        case A::Enter:
            return m_menu2->DatenFinden();
        case A::Raster:
            m_zeileGewaehlt = true;
            m_tisch->raster()->setFocus();
            return m_tisch->zeileWechseln(t.code);
        case A::Mal:
            return m_menu2->anhaengen(QStringLiteral("x"));
        case A::Funktion:
            return m_menu1->TastenMenu1(t.code);
        case A::Rechner:
            return m_menu2->TastenMenu2(t.code);
    }
}
