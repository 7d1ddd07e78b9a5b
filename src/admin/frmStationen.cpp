#include "admin/frmStationen.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "admin/Stationsverwaltung.h"
#include "service/Raumdaten.h"
#include "ui/Absichern.h"

// A table tile that follows the pointer: dragged from its middle, resized from
// its right or bottom band. Tells its owner when it is let go.
class Tischkachel : public QWidget {
  public:
    Tischkachel(const Tischposition& tisch, QWidget* boden,
                std::function<void(Tischkachel*)> losgelassen)
        : QWidget(boden),
          m_name(tisch.name),
          m_plan(tisch.links, tisch.oben, tisch.breite, tisch.hoehe),
          m_losgelassen(std::move(losgelassen)) {
        setObjectName(QStringLiteral("picTisch"));
        setGeometry(m_plan);
        setMouseTracking(true);
        setAttribute(Qt::WA_AcceptTouchEvents, false);  // touches arrive as a pointer
    }

    const QString& name() const { return m_name; }
    // Where the tile lies on the floor, in the stored units.
    const QRect& plan() const { return m_plan; }
    void setzePlan(const QRect& plan) { m_plan = plan; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor grund =
            m_gehalten ? QColor(0xff, 0xd9, 0x80) : palette().color(QPalette::Button);
        p.setBrush(grund);
        p.setPen(QPen(QColor(0x3d, 0x5a, 0x80), 2));
        p.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 6, 6);
        // The grip bands, so a finger knows where resizing starts.
        p.setPen(QPen(QColor(0x3d, 0x5a, 0x80, 90), 1, Qt::DashLine));
        p.drawLine(width() - kGriffbreite, 4, width() - kGriffbreite, height() - 4);
        p.drawLine(4, height() - kGriffbreite, width() - kGriffbreite, height() - kGriffbreite);
        QFont schrift = font();
        schrift.setPointSize(14);
        p.setFont(schrift);
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(rect(), Qt::AlignCenter, m_name);
    }

    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        m_griff = GriffAn(size(), e->position().toPoint());
        m_versatz = e->position().toPoint();
        m_gehalten = true;
        raise();
        update();
    }

    void mouseMoveEvent(QMouseEvent* e) override;

    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton || !m_gehalten) return;
        m_gehalten = false;
        update();
        m_losgelassen(this);
    }

  private:
    void zeigerFormSetzen(Kachelgriff griff) {
        switch (griff) {
            case Kachelgriff::Breite:
                setCursor(Qt::SizeHorCursor);
                break;
            case Kachelgriff::Hoehe:
                setCursor(Qt::SizeVerCursor);
                break;
            case Kachelgriff::Verschieben:
                setCursor(Qt::OpenHandCursor);
                break;
        }
    }

    QString m_name;
    QRect m_plan;
    std::function<void(Tischkachel*)> m_losgelassen;
    Kachelgriff m_griff = Kachelgriff::Verschieben;
    QPoint m_versatz;
    bool m_gehalten = false;
};

// The floor picture under the tiles. Positions are stored for a floor of
// kBoden; a smaller screen shows the floor and its tiles shrunk, so the whole
// floor is in view without scrolling.
class Bodenplan : public QWidget {
  public:
    static constexpr QSize kBoden{1000, 650};

    Bodenplan() { setObjectName(QStringLiteral("imgLokal")); }

    // The floor as drawn at the present scale.
    QSize flaeche() const { return (QSizeF(kBoden) * m_massstab).toSize(); }

    // A rectangle on the screen in the stored units.
    QRect inPlan(const QRect& r) const {
        return QRectF(QPointF(r.topLeft()) / m_massstab, QSizeF(r.size()) / m_massstab).toRect();
    }

    void anordnen() {
        for (Tischkachel* kachel : kacheln())
            kachel->setGeometry(QRectF(QPointF(kachel->plan().topLeft()) * m_massstab,
                                       QSizeF(kachel->plan().size()) * m_massstab)
                                    .toRect());
    }

    // An empty name shows no picture.
    void bildSetzen(const QString& datei) {
        m_bild.reset();
        if (!datei.isEmpty()) {
            const QString pfad = QDir(QCoreApplication::applicationDirPath())
                                     .filePath(QStringLiteral("image/") + datei);
            m_bild = std::make_unique<QSvgRenderer>(pfad);
        }
        update();
    }

    QList<Tischkachel*> kacheln() const { return findChildren<Tischkachel*>(); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect boden(QPoint(), flaeche());
        p.fillRect(boden, QColor(0xf4, 0xf1, 0xea));
        if (m_bild && m_bild->isValid()) m_bild->render(&p, boden);
    }

    void resizeEvent(QResizeEvent*) override {
        m_massstab =
            std::min({1.0, width() / qreal(kBoden.width()), height() / qreal(kBoden.height())});
        anordnen();
    }

  private:
    std::unique_ptr<QSvgRenderer> m_bild;
    qreal m_massstab = 1.0;
};

void Tischkachel::mouseMoveEvent(QMouseEvent* e) {
    if (!m_gehalten) {
        zeigerFormSetzen(GriffAn(size(), e->position().toPoint()));
        return;
    }
    setGeometry(KachelBewegt(geometry(), m_griff, m_versatz, mapToParent(e->position().toPoint()),
                             static_cast<const Bodenplan*>(parentWidget())->flaeche()));
}

namespace {

enum Reiter { kListe = 0, kPlan = 1 };

// Floor pictures by the station's place in the list; later places keep the picture.
std::optional<QString> bildFuerPosition(int position) {
    switch (position) {
        case 1:
            return QStringLiteral("Gastraum.svg");
        case 2:
            return QStringLiteral("Biergarten.svg");
        case 3:
            return QString();
        default:
            return std::nullopt;
    }
}

}  // namespace

frmStationen::frmStationen(Kontext& k, QWidget* eltern) : QWidget(eltern), k(k) {
    setObjectName(QStringLiteral("frmStationen"));
    setStyleSheet(
        QStringLiteral("QTreeWidget, QHeaderView, QTabBar { font-size: 15pt; } "
                       "QTreeWidget::item { min-height: 48px; } "
                       "QTabBar::tab { min-height: 48px; min-width: 200px; }"));

    ListViewStationen = new QTreeWidget;
    ListViewStationen->setObjectName(QStringLiteral("ListViewStationen"));
    ListViewStationen->setRootIsDecorated(false);
    ListViewStationen->setHeaderLabels({QStringLiteral("Station"),
                                        QStringLiteral("offene Bestellungen"),
                                        QStringLiteral(" abger. Tagesumsatz")});
    ListViewStationen->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    imgLokal = new Bodenplan;

    SSTabStationen = new QTabWidget;
    SSTabStationen->setObjectName(QStringLiteral("SSTabStationen"));
    SSTabStationen->addTab(ListViewStationen, QStringLiteral("Stationen"));
    SSTabStationen->addTab(imgLokal, QStringLiteral("Tischplan"));
    connect(SSTabStationen, &QTabWidget::currentChanged, this, &frmStationen::reiterGewechselt);

    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(SSTabStationen);
}

void frmStationen::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    ListeFuelen();
    const QList<QTreeWidgetItem*> gefunden =
        ListViewStationen->findItems(k.werte.station, Qt::MatchExactly);
    if (!gefunden.isEmpty()) ListViewStationen->setCurrentItem(gefunden.first());
    {
        const QSignalBlocker still(SSTabStationen);
        SSTabStationen->setCurrentIndex(kListe);
    }
    StationUebernehmen();
    TischeLaden();
}

void frmStationen::ListeFuelen() {
    ListViewStationen->clear();
    Absichern(k, [&] {
        for (const Stationseintrag& e : ::ListeFuelen(k.db)) {
            auto* eintrag = new QTreeWidgetItem(ListViewStationen, QStringList{e.station});
            if (e.tagesumsatz) eintrag->setText(2, e.tagesumsatz->waehrung());
        }
    });
}

void frmStationen::reiterGewechselt(int reiter) {
    StationUebernehmen();
    if (reiter == kPlan) TischeLaden();
}

void frmStationen::StationUebernehmen() {
    QTreeWidgetItem* gewaehlt = ListViewStationen->currentItem();
    if (!gewaehlt) return;
    k.werte.station = gewaehlt->text(0);
    const int position = ListViewStationen->indexOfTopLevelItem(gewaehlt) + 1;
    if (const std::optional<QString> bild = bildFuerPosition(position)) imgLokal->bildSetzen(*bild);
}

void frmStationen::TischeLaden() {
    for (Tischkachel* alt : imgLokal->kacheln()) delete alt;
    Absichern(k, [&] {
        for (const Tischposition& tisch : TischeLesen(k.db, k.werte.station)) {
            auto* kachel = new Tischkachel(tisch, imgLokal, [this](Tischkachel* losgelassen) {
                const QRect r = imgLokal->inPlan(losgelassen->geometry());
                losgelassen->setzePlan(r);
                Absichern(k, [&] {
                    TabellePicTischSpeichern(
                        k.db, k.werte.station,
                        {losgelassen->name(), r.top(), r.left(), r.width(), r.height()});
                });
            });
            kachel->show();
        }
    });
    imgLokal->anordnen();
}
