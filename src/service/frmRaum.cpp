#include "service/frmRaum.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Kontext.h"
#include "core/Tischmelder.h"
#include "core/frmAnmeldung.h"
#include "service/Raumdaten.h"
#include "service/Raumzugang.h"
#include "service/Tischsperre.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Fenstertasten.h"
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
      m_marker(new QSvgRenderer(programmdatei(QStringLiteral("icons/family.svg")), this)),
      m_bilddatei(new QSvgRenderer(this)) {
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
    connect(new Tischmelder(k.db, this), &Tischmelder::geaendert, this, [this] {
        if (!isVisible()) return;
        try {
            BesetzteTische();
        } catch (const DbFehler&) {
            // Not the waiter's doing: the next touch meets the fault and reports it.
        }
    });
    // The floor view takes the keyboard while it is on screen, wherever the focus is.
    new Fenstertasten(this, [this](QKeyEvent* taste) {
        return tasteGedrueckt(taste->key(), taste->modifiers());
    });

    auto* fuss = new QHBoxLayout;
    fuss->addStretch(1);
    fuss->addWidget(m_auswahl);
    fuss->addWidget(m_kellner);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 8, 8);
    spalte->addWidget(m_flaeche, 1);
    spalte->addLayout(fuss);
}

void frmRaum::setzeBild(const QString& datei) {
    m_bilddatei->load(datei.isEmpty() ? QString() : programmdatei(datei));
    anordnen();
}

void frmRaum::TischeLaden(const QString& station) {
    for (TischKachel* kachel : m_kacheln) delete kachel;
    m_kacheln.clear();
    m_plaetze = TischeLesen(k.db, station);
    for (const Tischposition& t : m_plaetze) {
        auto* kachel = new TischKachel(t.name, m_flaeche);
        connect(kachel, &TischKachel::clicked, this, [this, kachel] {
            k.werte.tisch = kachel->tag();
            Tischoeffne();
        });
        kachel->show();
        m_kacheln.push_back(kachel);
    }
    anordnen();
    BesetzteTische();
    show();
}

// The floor keeps its proportions and shrinks to the room the screen leaves,
// so every tile stays on screen; it never grows past its stored size.
void frmRaum::anordnen() {
    QSizeF plan = m_bilddatei->isValid() ? QSizeF(m_bilddatei->defaultSize()) : QSizeF();
    for (const Tischposition& t : m_plaetze)
        plan = plan.expandedTo(QSizeF(t.links + t.breite, t.oben + t.hoehe));
    const QSizeF platz = m_flaeche->size() - QSizeF(2 * kBildUrsprung.x(), 2 * kBildUrsprung.y());
    const qreal s = plan.isEmpty() ? 1.0
                                   : std::clamp(std::min(platz.width() / plan.width(),
                                                         platz.height() / plan.height()),
                                                0.1, 1.0);
    if (m_bilddatei->isValid()) {
        QPixmap pixmap((QSizeF(m_bilddatei->defaultSize()) * s).toSize());
        pixmap.fill(Qt::transparent);
        QPainter maler(&pixmap);
        m_bilddatei->render(&maler);
        maler.end();
        m_bild->setPixmap(pixmap);
        m_bild->resize(pixmap.size());
    } else {
        m_bild->clear();
        m_bild->resize(0, 0);
    }
    for (std::size_t i = 0; i < m_kacheln.size(); ++i) {
        const Tischposition& t = m_plaetze[i];
        m_kacheln[i]->setGeometry(
            QRectF(kBildUrsprung + QPointF(t.links, t.oben) * s, QSizeF(t.breite, t.hoehe) * s)
                .toRect());
    }
}

void frmRaum::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    anordnen();
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
        if (const auto belegt = TischSperren(k)) {
            k.dialoge.meldung(*belegt);
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

void frmRaum::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    m_auswahl->clear();
    try {
        BesetzteTische();
    } catch (const DbFehler& fehler) {
        k.dialoge.fehler(fehler);
    }
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
