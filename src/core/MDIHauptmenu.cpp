#include "core/MDIHauptmenu.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "core/Rechteschluessel.h"
#include "core/frmPin2.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalwaechter.h"

namespace {

QLabel* leistenfeld(const QString& name, QWidget* eltern) {
    auto* feld = new QLabel(eltern);
    feld->setObjectName(name);
    QFont schrift = feld->font();
    schrift.setPointSize(16);
    schrift.setBold(true);
    feld->setFont(schrift);
    return feld;
}

}  // namespace

MDIHauptmenu::MDIHauptmenu(Kontext& k, QWidget* eltern) : QWidget(eltern), m_k(k) {
    setObjectName(QStringLiteral("MDIHauptmenu"));
    setWindowTitle(QStringLiteral("Tavro Kasse"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    m_inhalt = new QStackedWidget(this);
    m_inhalt->setObjectName(QStringLiteral("stkInhalt"));

    auto* leiste = new QFrame(this);
    leiste->setObjectName(QStringLiteral("fraLeiste"));
    leiste->setStyleSheet(
        QStringLiteral("#fraLeiste { background: #25395a; } QLabel { color: #f4f1ea; }"));
    m_kellner = leistenfeld(QStringLiteral("lblKellner"), leiste);
    m_datum = leistenfeld(QStringLiteral("lblDatum"), leiste);
    m_zeit = leistenfeld(QStringLiteral("lblZeit"), leiste);
    m_menuKnopf = new QToolButton(leiste);
    m_menuKnopf->setObjectName(QStringLiteral("imgMenu"));
    m_menuKnopf->setIcon(QIcon(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("image/Menu.svg"))));
    m_menuKnopf->setIconSize(QSize(120, 48));
    m_menuKnopf->setAutoRaise(true);
    m_menuKnopf->setStyleSheet(
        QStringLiteral("QToolButton { border: none; background: transparent; }"
                       "QToolButton:pressed { background: #3d5a80; }"));
    connect(m_menuKnopf, &QToolButton::clicked, this, &MDIHauptmenu::menuKnopfGedrueckt);

    m_leiste = new QHBoxLayout(leiste);
    m_leiste->setContentsMargins(16, 4, 8, 4);
    m_leiste->setSpacing(24);
    // Two lines each, the till's name under the waiter's and the time under the
    // date: in one line they leave the marks no room at 1024 pixels.
    auto* kasse = new QLabel(QStringLiteral("Kasse: ") + Kassenname(), leiste);
    kasse->setObjectName(QStringLiteral("lblKasse"));
    auto* wer = new QVBoxLayout;
    wer->setSpacing(0);
    wer->addWidget(m_kellner);
    wer->addWidget(kasse);
    m_leiste->addLayout(wer);
    m_leiste->addStretch();
    m_warnung = leistenfeld(QStringLiteral("lblWarnung"), leiste);
    m_warnung->setStyleSheet(QStringLiteral("QLabel { color: #ffd166; }"));
    m_warnung->hide();
    m_leiste->addWidget(m_warnung);
    auto* wann = new QVBoxLayout;
    wann->setSpacing(0);
    wann->addWidget(m_datum, 0, Qt::AlignRight);
    wann->addWidget(m_zeit, 0, Qt::AlignRight);
    m_leiste->addLayout(wann);
    m_leiste->addWidget(m_menuKnopf);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(m_inhalt, 1);
    spalte->addWidget(leiste);

    m_menu = new QMenu(QStringLiteral("MENU"), this);
    m_menu->setObjectName(QStringLiteral("mnuMENU"));
    m_trenner[0] = m_menu->addSeparator();
    m_trenner[1] = m_menu->addSeparator();
    QAction* schliessen = m_menu->addAction(QStringLiteral("Kasse sch&ließen"));
    schliessen->setObjectName(QStringLiteral("mnuSchliessen"));
    connect(schliessen, &QAction::triggered, this, &QWidget::close);

    // Written once: the date stays that of the start, also past midnight.
    m_datum->setText(QLocale(QLocale::German, QLocale::Germany)
                         .toString(m_k.jetzt().date(), QStringLiteral("dddd,  dd. MMMM,  yyyy")));
    m_uhr = new QTimer(this);
    m_uhr->setInterval(100);
    connect(m_uhr, &QTimer::timeout, this, &MDIHauptmenu::uhrzeitZeigen);
    m_uhr->start();
    uhrzeitZeigen();
}

void MDIHauptmenu::vollbildZeigen() {
    // Without a window manager showFullScreen() alone leaves a small window.
    if (QScreen* bildschirm = screen()) flaecheEinnehmen(bildschirm->geometry());
    showFullScreen();
}

void MDIHauptmenu::flaecheEinnehmen(const QRect& flaeche) {
    setFixedSize(flaeche.size());
    setGeometry(flaeche);
}

void MDIHauptmenu::menuKnopfZeigen(bool sichtbar) { m_menuKnopf->setVisible(sichtbar); }

void MDIHauptmenu::leistenmarkeEinfuegen(QWidget* marke) {
    // Before the last two: the date with the time, and the menu button.
    m_leiste->insertWidget(m_leiste->count() - 2, marke);
    marke->show();  // also when the frame is on screen already
}

void MDIHauptmenu::kellnerAnzeigen() { m_kellner->setText(m_k.werte.kellner); }

void MDIHauptmenu::kellnerLeeren() { m_kellner->clear(); }

void MDIHauptmenu::menuEintragEinfuegen(int abschnitt, QAction* eintrag) {
    m_menu->insertAction(m_trenner[abschnitt == 1 ? 0 : 1], eintrag);
}

void MDIHauptmenu::uhrzeitZeigen() {
    m_zeit->setText(m_k.jetzt().time().toString(QStringLiteral("hh.mm.ss")));
}

void MDIHauptmenu::menuKnopfGedrueckt() {
    if (RechteAbfrage(m_k, m_k.werte.kellner, Rechte::kMenusperre)) {
        m_k.dialoge.meldung(kMenuGesperrt);
        return;
    }
    if (!Pin2Fragen(m_k, this)) return;
    const QSize groesse = m_menu->sizeHint();
    const QPoint rechtsOben = m_menuKnopf->mapToGlobal(QPoint(m_menuKnopf->width(), 0));
    m_menu->popup(rechtsOben - QPoint(groesse.width(), groesse.height()));
}

void MDIHauptmenu::journalPruefen(const Datenbank& db) {
    auto* waechter = new Journalwaechter(db.pfad(), db.schluessel(), this);
    connect(waechter, &Journalwaechter::geprueft, this, [this](const QString& befund, bool gut) {
        if (!gut) warnungZeigen(befund);
    });
    waechter->starten();
}

void MDIHauptmenu::warnungZeigen(const QString& text) {
    m_warnung->setText(QStringLiteral("⚠ ") + text);
    m_warnung->show();
}
