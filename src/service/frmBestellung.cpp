#include "service/frmBestellung.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "service/Bestelltasten.h"
#include "service/frmSchnellwahltaste.h"
#include "service/frmTastenMenu1.h"
#include "service/frmTastenMenu2.h"
#include "service/frmTisch.h"
#include "service/frmTischUmbuchen.h"
#include "service/frmTotal.h"
#include "service/frmkarteAuswahl.h"

frmBestellung::frmBestellung(Kontext& k, QWidget* eltern)
    : QWidget(eltern),
      m_k(k),
      m_tisch(new frmTisch(k)),
      m_menu2(new frmTastenMenu2(k)),
      m_menu1(new frmTastenMenu1(k, *m_tisch, *m_menu2)),
      m_schnellwahl(new frmSchnellwahltaste(k)),
      m_karte(new frmkarteAuswahl(k)),
      m_picker(new QStackedWidget) {
    setObjectName(QStringLiteral("frmBestellung"));
    setFocusPolicy(Qt::StrongFocus);
    m_picker->addWidget(m_schnellwahl);
    m_picker->addWidget(m_karte);
    m_tisch->raster()->installEventFilter(this);
    m_menu1->setFixedWidth(180);
    m_menu2->setFixedWidth(320);

    connect(m_menu2, &frmTastenMenu2::eingetragen, this, [this] {
        m_tisch->anzeigen(QStringLiteral("Neu"));
        m_tisch->neuesteZeileMarkieren();
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
    links->addWidget(m_picker, 4);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(10);
    layout->addLayout(links, 1);
    layout->addWidget(m_menu1);
    layout->addWidget(m_menu2);
}

void frmBestellung::oeffnen() {
    m_menu2->eingabeLeeren();
    m_tisch->oeffnen();
    pickerZeigen(m_menu2->karteGewaehlt());
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

bool frmBestellung::event(QEvent* ereignis) {
    // Every key is ours, Tab included: it must not wander between the keys.
    if (ereignis->type() == QEvent::KeyPress) {
        tasteVerarbeiten(static_cast<QKeyEvent*>(ereignis));
        return true;
    }
    return QWidget::event(ereignis);
}

bool frmBestellung::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ziel == m_tisch->raster() && ereignis->type() == QEvent::KeyPress) {
        // The grid never sees a key itself: one it ignored would travel up to
        // this screen and back into the grid without end.
        tasteVerarbeiten(static_cast<QKeyEvent*>(ereignis));
        return true;
    }
    return QWidget::eventFilter(ziel, ereignis);
}

void frmBestellung::tasteVerarbeiten(QKeyEvent* taste) {
    using A = Bestelltaste::Aktion;
    const Bestelltaste t = BestelltasteDeuten(taste->key(), taste->modifiers());
    switch (t.aktion) {
        case A::Nichts:
            return;
        case A::Leeren:
            return m_menu2->eingabeLeeren();
        case A::Enter:
            return m_menu2->DatenFinden();
        case A::Raster:
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
