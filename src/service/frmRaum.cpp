#include "service/frmRaum.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "core/Kontext.h"
#include "core/frmAnmeldung.h"
#include "service/Raumdaten.h"
#include "service/Raumzugang.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/TischKachel.h"

namespace {

QString programmdatei(const QString& datei) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + datei;
}

// Where the floor picture's top-left corner sits; tiles are placed relative to it.
constexpr QPoint kBildUrsprung(8, 8);

}  // namespace

frmRaum::frmRaum(Kontext& k, QWidget* eltern)
    : QWidget(eltern),
      k(k),
      m_flaeche(new QWidget(this)),
      m_bild(new QLabel(m_flaeche)),
      m_auswahl(new QLineEdit(this)),
      m_kellner(BeruehrKnopf(QStringLiteral("Kellnerwechsel"), this)),
      m_marker(new QSvgRenderer(programmdatei(QStringLiteral("icons/family.svg")), this)) {
    setObjectName(QStringLiteral("frmRaum"));
    m_bild->setObjectName(QStringLiteral("imgLokal"));
    m_bild->move(kBildUrsprung);

    m_auswahl->setObjectName(QStringLiteral("txtTischauswahl"));
    m_auswahl->setReadOnly(true);
    m_auswahl->setFocusPolicy(Qt::NoFocus);
    m_auswahl->setAlignment(Qt::AlignCenter);
    m_auswahl->setPlaceholderText(QStringLiteral("Tisch"));
    m_auswahl->setFixedSize(160, 60);
    QFont gross = m_auswahl->font();
    gross.setPixelSize(28);
    gross.setBold(true);
    m_auswahl->setFont(gross);

    m_kellner->setObjectName(QStringLiteral("cmdkellnerAnmeldung"));
    m_kellner->setMinimumSize(220, 60);
    connect(m_kellner, &QPushButton::clicked, this, &frmRaum::kellnerWechseln);

    auto* fuss = new QHBoxLayout;
    fuss->addStretch(1);
    fuss->addWidget(m_auswahl);
    fuss->addWidget(m_kellner);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 8, 8);
    spalte->addWidget(m_flaeche, 1);
    spalte->addLayout(fuss);
}

frmRaum::~frmRaum() { qApp->removeEventFilter(this); }

void frmRaum::setzeBild(const QString& datei) {
    QSvgRenderer bild(datei.isEmpty() ? QString() : programmdatei(datei));
    if (!bild.isValid()) {
        m_bild->clear();
        m_bild->resize(0, 0);
        return;
    }
    QPixmap pixmap(bild.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter maler(&pixmap);
    bild.render(&maler);
    maler.end();
    m_bild->setPixmap(pixmap);
    m_bild->resize(pixmap.size());
}

void frmRaum::TischeLaden(const QString& station) {
    for (TischKachel* kachel : m_kacheln) delete kachel;
    m_kacheln.clear();
    for (const Tischposition& t : TischeLesen(k.db, station)) {
        auto* kachel = new TischKachel(t.name, m_flaeche);
        kachel->setGeometry(kBildUrsprung.x() + t.links, kBildUrsprung.y() + t.oben, t.breite,
                            t.hoehe);
        connect(kachel, &TischKachel::clicked, this, [this, kachel] {
            k.werte.tisch = kachel->tag();
            Tischoeffne();
        });
        kachel->show();
        m_kacheln.push_back(kachel);
    }
    BesetzteTische();
    show();
}

void frmRaum::BesetzteTische() {
    const QSet<QString> besetzt = BesetzteTischeLesen(k.db, k.werte.station);
    for (TischKachel* kachel : m_kacheln)
        kachel->setzeMarker(besetzt.contains(kachel->tag()) ? m_marker : nullptr);
}

void frmRaum::Tischoeffne() {
    try {
        if (const auto verweigert = TischVerweigert(k)) {
            k.dialoge.meldung(*verweigert);
            return;
        }
    } catch (const DbFehler& fehler) {
        k.dialoge.fehler(fehler);
        return;
    }
    FensterZustanddefinieren();
}

void frmRaum::FensterZustanddefinieren() { Q_EMIT tischGeoeffnet(); }

// Waiter change: station and table stay; the tiles are read afresh for the new waiter.
void frmRaum::kellnerWechseln() {
    if (!AnmeldungZeigen(k, this)) return;
    try {
        TischeLaden(k.werte.station);
    } catch (const DbFehler& fehler) {
        k.dialoge.fehler(fehler);
    }
}

// The floor view takes the keyboard while it is on screen and no modal window
// is open, wherever the focus happens to be.
void frmRaum::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    m_auswahl->clear();
    qApp->installEventFilter(this);
    try {
        BesetzteTische();
    } catch (const DbFehler& fehler) {
        k.dialoge.fehler(fehler);
    }
}

void frmRaum::hideEvent(QHideEvent* ereignis) {
    qApp->removeEventFilter(this);
    QWidget::hideEvent(ereignis);
}

bool frmRaum::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress || !isVisible() || QApplication::activeModalWidget())
        return false;
    auto* widget = qobject_cast<QWidget*>(ziel);
    if (!widget || widget->window() != window()) return false;
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    return tasteGedrueckt(taste->key(), taste->modifiers());
}

bool frmRaum::tasteGedrueckt(int taste, Qt::KeyboardModifiers modifikatoren) {
    if (taste >= Qt::Key_0 && taste <= Qt::Key_9) {
        // Only the numeric keypad types table numbers; the top row is left alone.
        if (!(modifikatoren & Qt::KeypadModifier)) return false;
        m_auswahl->setText(m_auswahl->text() + QChar(u'0' + (taste - Qt::Key_0)));
        return true;
    }
    switch (taste) {
        case Qt::Key_Delete:
            m_auswahl->clear();
            return true;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            tischAuswahlOeffnen();
            return true;
        default:
            return false;
    }
}

void frmRaum::tischAuswahlOeffnen() {
    const QString name = m_auswahl->text();
    m_auswahl->clear();
    if (name.isEmpty()) return;
    for (TischKachel* kachel : m_kacheln) {
        if (kachel->tag() == name) {
            k.werte.tisch = name;
            Tischoeffne();
            return;
        }
    }
}
