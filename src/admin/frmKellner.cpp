#include "admin/frmKellner.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/Absichern.h"
#include "admin/Kellnerkartei.h"
#include "admin/Kellnerliste.h"
#include "admin/frmKellnerKartei.h"

namespace {

constexpr int kIdRolle = Qt::UserRole;

// The station cell's marker: green for access, grey-red for none.
QIcon punkt(const QColor& farbe) {
    QPixmap bild(24, 24);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(farbe);
    p.setPen(farbe.darker(140));
    p.drawEllipse(3, 3, 18, 18);
    return QIcon(bild);
}

// Lock boxes big enough for a finger; the entry's text moves aside to make room.
class GrosseKaestchen : public QProxyStyle {
  public:
    explicit GrosseKaestchen(QObject* eltern) : QProxyStyle() { setParent(eltern); }
    int pixelMetric(PixelMetric metrik, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metrik == PM_IndicatorWidth || metrik == PM_IndicatorHeight) return 32;
        return QProxyStyle::pixelMetric(metrik, option, widget);
    }
};

QPushButton* knopf(const QString& text, const char* name) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumSize(200, 64);
    return b;
}

}  // namespace

frmKellner::frmKellner(Kontext& k, std::function<bool()> pin2, QWidget* eltern)
    : QWidget(eltern), k(k), m_pin2(std::move(pin2)) {
    setObjectName(QStringLiteral("frmKellner"));
    setStyleSheet(
        QStringLiteral("QWidget { font-size: 15pt; } "
                       "QTreeWidget::item { min-height: 48px; }"));

    ListViewKellner = new QTreeWidget;
    ListViewKellner->setObjectName(QStringLiteral("ListViewKellner"));
    ListViewKellner->setRootIsDecorated(false);
    ListViewKellner->setUniformRowHeights(true);
    ListViewKellner->setIconSize(QSize(24, 24));
    ListViewKellner->setStyle(new GrosseKaestchen(ListViewKellner));
    ListViewKellner->setContextMenuPolicy(Qt::CustomContextMenu);
    ListViewKellner->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    mnuMitarbeiter = new QMenu(this);
    mnuMitarbeiter->setObjectName(QStringLiteral("mnuMitarbeiter"));
    QAction* mnuNeuerMitarbeiter = mnuMitarbeiter->addAction(QStringLiteral("Neuer Mitarbeiter"));
    mnuNeuerMitarbeiter->setObjectName(QStringLiteral("mnuNeuerMitarbeiter"));
    mnuBearbeiten = mnuMitarbeiter->addAction(QStringLiteral("Bearbeiten"));
    mnuBearbeiten->setObjectName(QStringLiteral("mnuBearbeiten"));
    mnuMitarbeiter->addSeparator();
    mnuLoeschen = mnuMitarbeiter->addAction(QStringLiteral("Löschen"));
    mnuLoeschen->setObjectName(QStringLiteral("mnuLoeschen"));

    // The same actions as keys below the list, for a finger that has no right button.
    auto* cmdNeuerMitarbeiter = knopf(QStringLiteral("Neuer Mitarbeiter"), "cmdNeuerMitarbeiter");
    cmdBearbeiten = knopf(QStringLiteral("Bearbeiten"), "cmdBearbeiten");
    cmdLoeschen = knopf(QStringLiteral("Löschen"), "cmdLoeschen");
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b : {cmdNeuerMitarbeiter, cmdBearbeiten, cmdLoeschen}) knoepfe->addWidget(b);
    knoepfe->addStretch();

    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(ListViewKellner, 1);
    aussen->addLayout(knoepfe);

    connect(mnuNeuerMitarbeiter, &QAction::triggered, this, &frmKellner::neuerMitarbeiter);
    connect(cmdNeuerMitarbeiter, &QPushButton::clicked, this, &frmKellner::neuerMitarbeiter);
    connect(mnuBearbeiten, &QAction::triggered, this, &frmKellner::bearbeiten);
    connect(cmdBearbeiten, &QPushButton::clicked, this, &frmKellner::bearbeiten);
    connect(mnuLoeschen, &QAction::triggered, this, &frmKellner::loeschen);
    connect(cmdLoeschen, &QPushButton::clicked, this, &frmKellner::loeschen);
    connect(ListViewKellner, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& p) {
                mnuMitarbeiter->popup(ListViewKellner->viewport()->mapToGlobal(p));
            });
    connect(ListViewKellner, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem*, int spalte) {
                if (spalte == 0) bearbeiten();
            });
    connect(ListViewKellner, &QTreeWidget::itemSelectionChanged, this,
            &frmKellner::auswahlGeaendert);
    connect(ListViewKellner, &QTreeWidget::itemChanged, this, &frmKellner::sperreGeaendert);
    connect(ListViewKellner, &QTreeWidget::itemClicked, this, &frmKellner::zelleBeruehrt);
    auswahlGeaendert();
}

void frmKellner::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    ListViewKellnerFuelen();
    for (int i = 0; i < ListViewKellner->topLevelItemCount(); ++i) {
        QTreeWidgetItem* e = ListViewKellner->topLevelItem(i);
        if (e->text(0) == k.werte.kellner) {
            ListViewKellner->setCurrentItem(e);
            ListViewKellner->scrollToItem(e);
        }
    }
}

void frmKellner::ListViewKellnerFuelen() {
    const std::optional<std::int64_t> vorher = gewaehlt();
    m_fuellt = true;
    ListViewKellner->clear();
    Absichern(k, [&] {
        m_stationen = Stationsspalten(k.db);
        ListViewKellner->setHeaderLabels(QStringList{QStringLiteral("Mitarbeiter")} + m_stationen);
        for (const KellnerEintrag& e : ::ListViewKellnerFuelen(k.db)) {
            auto* eintrag = new QTreeWidgetItem(ListViewKellner, QStringList{e.mitarbeiter});
            eintrag->setData(0, kIdRolle, QVariant::fromValue(e.id));
            eintrag->setCheckState(0, e.aktiv ? Qt::Checked : Qt::Unchecked);
            for (std::size_t j = 0; j < e.stationen.size(); ++j)
                stationAnzeigen(eintrag, static_cast<int>(j) + 1, e.stationen[j]);
        }
    });
    m_fuellt = false;
    if (vorher) auswaehlen(*vorher);
    auswahlGeaendert();
}

std::optional<std::int64_t> frmKellner::gewaehlt() const {
    const QTreeWidgetItem* e = ListViewKellner->currentItem();
    if (!e || !e->isSelected()) return std::nullopt;
    return e->data(0, kIdRolle).toLongLong();
}

void frmKellner::auswaehlen(std::int64_t id) {
    for (int i = 0; i < ListViewKellner->topLevelItemCount(); ++i) {
        QTreeWidgetItem* e = ListViewKellner->topLevelItem(i);
        if (e->data(0, kIdRolle).toLongLong() == id) ListViewKellner->setCurrentItem(e);
    }
}

void frmKellner::auswahlGeaendert() {
    const bool da = gewaehlt().has_value();
    for (QAction* a : {mnuBearbeiten, mnuLoeschen}) a->setEnabled(da);
    for (QPushButton* b : {cmdBearbeiten, cmdLoeschen}) b->setEnabled(da);
}

void frmKellner::stationAnzeigen(QTreeWidgetItem* eintrag, int spalte, bool an) {
    static const QIcon aktiv = punkt(QColor(0x2e, 0x9e, 0x4f));
    static const QIcon inaktiv = punkt(QColor(0xc8, 0x5a, 0x54));
    eintrag->setText(spalte, an ? QStringLiteral("aktiviert") : QStringLiteral("deaktiviert"));
    eintrag->setIcon(spalte, an ? aktiv : inaktiv);
}

void frmKellner::sperreGeaendert(QTreeWidgetItem* eintrag, int spalte) {
    if (m_fuellt || spalte != 0) return;
    ListViewKellner->setCurrentItem(eintrag);
    const bool aktiv = eintrag->checkState(0) == Qt::Checked;
    bool gespeichert = false;
    Absichern(k, [&] {
        gespeichert = SperreAendern(k, eintrag->data(0, kIdRolle).toLongLong(), aktiv, m_pin2);
    });
    if (gespeichert) return;
    // Refused or cancelled: the box goes back.
    m_fuellt = true;
    eintrag->setCheckState(0, aktiv ? Qt::Unchecked : Qt::Checked);
    m_fuellt = false;
}

void frmKellner::zelleBeruehrt(QTreeWidgetItem* eintrag, int spalte) {
    if (spalte < 1 || spalte > m_stationen.size()) return;
    Absichern(k, [&] {
        const std::optional<bool> neu = StationszugangUmschalten(
            k, eintrag->data(0, kIdRolle).toLongLong(), m_stationen[spalte - 1]);
        if (neu) stationAnzeigen(eintrag, spalte, *neu);
    });
}

void frmKellner::neuerMitarbeiter() {
    Absichern(k, [&] {
        const std::optional<Karteimodus> modus = NeuerMitarbeiterModus(k);
        if (!modus || !m_pin2()) return;
        frmKellnerKartei kartei(k, *modus, 0, this);
        if (kartei.exec() == QDialog::Accepted) ListViewKellnerFuelen();
    });
}

void frmKellner::bearbeiten() {
    const std::optional<std::int64_t> id = gewaehlt();
    if (!id) return;
    Absichern(k, [&] {
        const std::optional<Karteimodus> modus = BearbeitenModus(k, *id);
        if (!modus || !m_pin2()) return;
        frmKellnerKartei kartei(k, *modus, *id, this);
        if (kartei.exec() == QDialog::Accepted) ListViewKellnerFuelen();
    });
}

void frmKellner::loeschen() {
    const std::optional<std::int64_t> id = gewaehlt();
    if (!id) return;
    Absichern(k, [&] {
        if (!LoeschenErlaubt(k, *id) || !m_pin2()) return;
        MitarbeiterLoeschen(k, *id);
    });
    ListViewKellnerFuelen();
}
