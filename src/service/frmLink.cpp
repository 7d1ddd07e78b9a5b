#include "service/frmLink.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScroller>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/Kontext.h"
#include "core/frmPin2.h"
#include "service/Raumdaten.h"
#include "service/Raumzugang.h"
#include "service/frmRaum.h"
#include "ui/widgets/Beruehrstil.h"

namespace {

// Large keys for a finger; they change colour under the pointer and while touched.
const char* const kSpaltenstil = R"(
#fraLink, #fraLinkTasten, #fraLinkTastenFlaeche { background: #2b3440; }
#fraLink QPushButton { min-height: 64px; font-size: 20px; text-align: left; padding-left: 14px;
    color: white; background: #3d4a5a; border: 1px solid #56657a; border-radius: 8px; }
#fraLink QPushButton:hover { background: #4d6178; }
#fraLink QPushButton:pressed { background: #f0a030; color: black; }
#fraLink QLabel { color: #c9d3de; font-size: 20px; padding: 10px 14px; border-radius: 8px; }
#fraLink QLabel[aktiv="true"] { color: white; font-size: 24px; font-weight: bold;
    background: #1d242c; }
)";

// A panel larger than the room left scrolls instead of making the window grow.
QScrollArea* rollbar(QWidget* panel) {
    auto* flaeche = new QScrollArea;
    flaeche->setObjectName(panel->objectName() + QStringLiteral("Flaeche"));
    flaeche->setWidget(panel);
    flaeche->setWidgetResizable(true);
    flaeche->setFrameShape(QFrame::NoFrame);
    return flaeche;
}

QIcon raumIcon() {
    return QIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/icons/Raum.svg"));
}

}  // namespace

frmLink::frmLink(Kontext& k, QWidget* eltern)
    : QWidget(eltern),
      k(k),
      m_linkStationen(new QLabel(QStringLiteral("Stationen"))),
      m_linkVerwaltung(new QLabel(QStringLiteral("Verwaltung"))),
      m_stationsspalte(new QVBoxLayout),
      m_verwaltungsspalte(new QVBoxLayout),
      m_bereich(new QStackedWidget),
      m_leer(new QWidget),
      m_raum(new frmRaum(k)) {
    setObjectName(QStringLiteral("frmLink"));
    m_linkStationen->setObjectName(QStringLiteral("lblOberflaecheLink1"));
    m_linkVerwaltung->setObjectName(QStringLiteral("lblOberflaecheLink2"));
    for (QLabel* link : {m_linkStationen, m_linkVerwaltung}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }

    auto* spalte = new QFrame;
    spalte->setObjectName(QStringLiteral("fraLink"));
    spalte->setFixedWidth(260);
    spalte->setStyleSheet(QString::fromUtf8(kSpaltenstil));
    auto* links = new QVBoxLayout(spalte);
    links->setContentsMargins(10, 10, 10, 10);
    links->setSpacing(8);
    links->addWidget(m_linkStationen);
    links->addWidget(m_linkVerwaltung);
    links->addSpacing(12);
    m_stationsspalte->setSpacing(8);
    m_verwaltungsspalte->setSpacing(8);
    // More keys than the column holds scroll; the column never grows the window.
    auto* tasten = new QWidget;
    tasten->setObjectName(QStringLiteral("fraLinkTasten"));
    auto* tastenspalte = new QVBoxLayout(tasten);
    tastenspalte->setContentsMargins(0, 0, 0, 0);
    tastenspalte->setSpacing(8);
    tastenspalte->addLayout(m_stationsspalte);
    tastenspalte->addLayout(m_verwaltungsspalte);
    tastenspalte->addStretch(1);
    QScrollArea* rolle = rollbar(tasten);
    // Moved with the finger, as a touch screen has no bar to pull.
    rolle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rolle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScroller::grabGesture(rolle->viewport(), QScroller::LeftMouseButtonGesture);
    links->addWidget(rolle, 1);

    m_bereich->setObjectName(QStringLiteral("stkBereich"));
    m_bereich->addWidget(m_leer);
    m_bereich->addWidget(m_raum);

    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addWidget(spalte);
    zeile->addWidget(m_bereich, 1);
    abschnittHervorheben(true);
}

template <typename Handlung>
void frmLink::geschuetzt(Handlung handlung) {
    try {
        handlung();
    } catch (const DbFehler& fehler) {
        k.dialoge.fehler(fehler);
    }
}

void frmLink::laden() {
    geschuetzt([this] {
        StationenLaden();
        VerwaltungLaden();
        const QStringList stationen = StationenLesen(k.db);
        k.werte.station = stationen.value(0);
        m_raum->setzeBild(QStringLiteral("image/Gastraum.svg"));
        m_raum->TischeLaden(k.werte.station);
        bereichZeigen(m_raum);
    });
}

QPushButton* frmLink::linkKnopf(const QString& name, const QString& text, QVBoxLayout* spalte) {
    auto* knopf = BeruehrKnopf(text, nullptr);
    knopf->setObjectName(name);
    knopf->setIcon(raumIcon());
    knopf->setIconSize(QSize(36, 36));
    knopf->setCursor(Qt::PointingHandCursor);
    spalte->addWidget(knopf);
    return knopf;
}

void frmLink::StationenLaden() {
    for (QPushButton* knopf : m_stationen) delete knopf;
    m_stationen.clear();
    const QStringList stationen = StationenLesen(k.db);
    for (int i = 0; i < stationen.size(); ++i) {
        const int position = i + 1;
        const QString station = stationen[i];
        QPushButton* knopf =
            linkKnopf(QStringLiteral("cmdStationenLink"), station, m_stationsspalte);
        connect(knopf, &QPushButton::clicked, this,
                [this, position, station] { stationGewaehlt(position, station); });
        knopf->setVisible(m_linkStationen->property("aktiv").toBool());
        m_stationen.push_back(knopf);
    }
}

void frmLink::VerwaltungLaden() {
    for (QPushButton* knopf : m_verwaltung) delete knopf;
    m_verwaltung.clear();
    const QStringList bereiche = VerwaltungLesen(k.db);
    for (int i = 0; i < bereiche.size(); ++i) {
        const int position = i + 1;
        QPushButton* knopf =
            linkKnopf(QStringLiteral("cmdVerwaltungLink"), bereiche[i], m_verwaltungsspalte);
        knopf->setProperty("tag", bereiche[i]);
        connect(knopf, &QPushButton::clicked, this,
                [this, position] { verwaltungGewaehlt(position); });
        knopf->setVisible(m_linkVerwaltung->property("aktiv").toBool());
        m_verwaltung.push_back(knopf);
    }
}

void frmLink::setzePanel(int position, QWidget* panel) {
    if (QWidget* alt = m_panels.value(position)) delete alt;
    m_panels.insert(position, rollbar(panel));
    m_bereich->addWidget(m_panels.value(position));
}

void frmLink::setzeHotel(QWidget* hotel) {
    delete m_hotel;
    m_hotel = rollbar(hotel);
    m_bereich->addWidget(m_hotel);
}

bool frmLink::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ereignis->type() == QEvent::MouseButtonRelease) {
        if (ziel == m_linkStationen) stationenZeigen();
        if (ziel == m_linkVerwaltung) verwaltungZeigen();
    }
    return QWidget::eventFilter(ziel, ereignis);
}

void frmLink::abschnittHervorheben(bool stationen) {
    m_linkStationen->setProperty("aktiv", stationen);
    m_linkVerwaltung->setProperty("aktiv", !stationen);
    for (QLabel* link : {m_linkStationen, m_linkVerwaltung}) {
        link->style()->unpolish(link);
        link->style()->polish(link);
    }
    for (QPushButton* knopf : m_stationen) knopf->setVisible(stationen);
    for (QPushButton* knopf : m_verwaltung) knopf->setVisible(!stationen);
}

void frmLink::bereichZeigen(QWidget* seite) { m_bereich->setCurrentWidget(seite ? seite : m_leer); }

void frmLink::stationenZeigen() {
    abschnittHervorheben(true);
    bereichZeigen(m_raum);
    geschuetzt([this] { m_raum->TischeLaden(k.werte.station); });
}

void frmLink::verwaltungZeigen() {
    geschuetzt([this] {
        if (const auto gesperrt = VerwaltungGesperrt(k)) {
            k.dialoge.meldung(*gesperrt);
            return;
        }
        // A fresh second PIN every time; a right one from before does not count.
        if (!Pin2Fragen(k, this)) return;
        abschnittHervorheben(false);
        bereichZeigen(nullptr);
    });
}

// The station becomes the current one and its tiles are shown before the
// right is asked, so a refused station's tiles stay on the floor view.
void frmLink::stationGewaehlt(int position, const QString& station) {
    geschuetzt([&] {
        k.werte.station = station;
        m_raum->TischeLaden(station);
        bereichZeigen(m_raum);
        if (const auto verweigert = StationswahlVerweigert(k, position, station)) {
            k.dialoge.meldung(*verweigert);
            return;
        }
        switch (AnsichtDerStation(position)) {
            case Stationsansicht::Gastraum:
                m_raum->setzeBild(QStringLiteral("image/Gastraum.svg"));
                break;
            case Stationsansicht::Biergarten:
                m_raum->setzeBild(QStringLiteral("image/Biergarten.svg"));
                break;
            case Stationsansicht::OhneBild:
                m_raum->setzeBild(QString());
                break;
            case Stationsansicht::Hotel:
                m_raum->setzeBild(QString());
                bereichZeigen(m_hotel);
                Q_EMIT hotelUeberschrift(station);
                break;
            case Stationsansicht::Weitere:
                break;
        }
    });
}

void frmLink::verwaltungGewaehlt(int position) {
    bereichZeigen(nullptr);
    geschuetzt([&] {
        if (const auto verweigert = VerwaltungVerweigert(k, position)) {
            k.dialoge.meldung(*verweigert);
            return;
        }
        bereichZeigen(m_panels.value(position));
    });
}
