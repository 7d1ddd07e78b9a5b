#include "admin/frmDirektwahltasteVerwaltung.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "admin/Tastenverwaltung.h"
#include "admin/frmArtikelgruppetaste.h"
#include "admin/frmHaupttaste.h"
#include "admin/widgets/Formular.h"
#include "ui/Absichern.h"
#include "ui/widgets/Beschriftungszelle.h"
#include "ui/widgets/Touchtaste.h"

namespace {

constexpr int kIdRolle = Qt::UserRole;
constexpr int kPluRolle = Qt::UserRole + 1;
constexpr int kFarbeRolle = Qt::UserRole + 2;

void leeren(QLayout* layout) {
    while (QLayoutItem* eintrag = layout->takeAt(0)) {
        delete eintrag->widget();
        delete eintrag;
    }
}

Artikeltaste tasteIn(const QTableWidgetItem* zelle) {
    Artikeltaste t{zelle->text(), zelle->data(kPluRolle).toString(), std::nullopt};
    if (zelle->data(kFarbeRolle).isValid()) t.farbe = zelle->data(kFarbeRolle).toUInt();
    return t;
}

}  // namespace

frmDirektwahltasteVerwaltung::frmDirektwahltasteVerwaltung(Kontext& k, QWidget* eltern)
    : QWidget(eltern), k(k) {
    setObjectName(QStringLiteral("frmDirektwahltasteVerwaltung"));
    setStyleSheet(
        QStringLiteral("QWidget { font-size: 15pt; } QMenu::item { padding: 14px 28px; }"));

    auto* spalte = new QWidget;
    m_haupttasten = new QVBoxLayout(spalte);
    m_haupttasten->setContentsMargins(0, 0, 0, 0);
    auto* rollbar = new QScrollArea;
    rollbar->setObjectName(QStringLiteral("Haupttasten"));
    rollbar->setWidget(spalte);
    rollbar->setWidgetResizable(true);
    rollbar->setFrameShape(QFrame::NoFrame);
    rollbar->setFixedWidth(200);
    rollbar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    grdWahltasten = new QTableWidget(0, 5);
    grdWahltasten->setObjectName(QStringLiteral("grdWahltasten"));
    grdWahltasten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdWahltasten->setSelectionMode(QAbstractItemView::SingleSelection);
    grdWahltasten->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdWahltasten->horizontalHeader()->hide();
    grdWahltasten->verticalHeader()->hide();
    grdWahltasten->verticalHeader()->setDefaultSectionSize(72);
    grdWahltasten->setItemDelegate(new Beschriftungszelle(grdWahltasten));
    grdWahltasten->setStyleSheet(
        QStringLiteral("QTableWidget::item:selected { border: 3px solid "
                       "#1d3f73; color: black; }"));
    connect(grdWahltasten, &QTableWidget::cellClicked, this,
            &frmDirektwahltasteVerwaltung::wahltasteBearbeiten);

    mnuWahltasten = new QMenu(QStringLiteral("Wahltasten"), this);
    mnuWahltasten->setObjectName(QStringLiteral("mnuWahltasten"));
    const auto aufZelle = [this](auto handlung) {
        return [this, handlung] {
            if (grdWahltasten->currentItem())
                (this->*handlung)(grdWahltasten->currentRow(), grdWahltasten->currentColumn());
        };
    };
    connect(mnuWahltasten->addAction(QStringLiteral("Wahltaste Bearbeiten")), &QAction::triggered,
            this, aufZelle(&frmDirektwahltasteVerwaltung::wahltasteBearbeiten));
    connect(mnuWahltasten->addAction(QStringLiteral("Wahltaste Löschen")), &QAction::triggered,
            this, aufZelle(&frmDirektwahltasteVerwaltung::ArtikelTasteLoeschen));
    connect(mnuWahltasten->addAction(QStringLiteral("Hintergrundfarbe auswählen")),
            &QAction::triggered, this,
            aufZelle(&frmDirektwahltasteVerwaltung::HintergrundfarbeAuswaehlen));
    grdWahltasten->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grdWahltasten, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        QTableWidgetItem* zelle = grdWahltasten->itemAt(p);
        if (!zelle) return;
        grdWahltasten->setCurrentItem(zelle);
        mnuWahltasten->popup(grdWahltasten->viewport()->mapToGlobal(p));
    });

    mnuHaupttasten = new QMenu(QStringLiteral("Haupttasten"), this);
    mnuHaupttasten->setObjectName(QStringLiteral("mnuHaupttasten"));
    connect(mnuHaupttasten->addAction(QStringLiteral("Hauptaste Bearbeiten")), &QAction::triggered,
            this, &frmDirektwahltasteVerwaltung::haupttasteBearbeiten);
    connect(mnuHaupttasten->addAction(QStringLiteral("Haupttaste entfernen")), &QAction::triggered,
            this, &frmDirektwahltasteVerwaltung::Hauptastenentfernen);
    connect(mnuHaupttasten->addAction(QStringLiteral("Neue Haupttaste")), &QAction::triggered, this,
            &frmDirektwahltasteVerwaltung::HauptastenNeu);

    // The main-key menu as keys too, for a finger that has no right button.
    auto* tasten = new QHBoxLayout;
    connect(Formulartaste(tasten, QStringLiteral("Neue Haupttaste"), "cmdNeueHaupttaste"),
            &QPushButton::clicked, this, &frmDirektwahltasteVerwaltung::HauptastenNeu);
    connect(
        Formulartaste(tasten, QStringLiteral("Hauptaste Bearbeiten"), "cmdHaupttasteBearbeiten"),
        &QPushButton::clicked, this, &frmDirektwahltasteVerwaltung::haupttasteBearbeiten);
    connect(Formulartaste(tasten, QStringLiteral("Haupttaste entfernen"), "cmdHaupttasteEntfernen"),
            &QPushButton::clicked, this, &frmDirektwahltasteVerwaltung::Hauptastenentfernen);

    auto* oben = new QHBoxLayout;
    oben->addWidget(rollbar);
    oben->addWidget(grdWahltasten, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben, 1);
    layout->addLayout(tasten);
}

void frmDirektwahltasteVerwaltung::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    HaupttastenAktualliseren(m_wg);
}

void frmDirektwahltasteVerwaltung::HaupttastenAktualliseren(const QString& auswahl) {
    Absichern(k, [&] {
        leeren(m_haupttasten);
        const auto tasten = HaupttastenLesen(k);
        const Haupttaste* gewaehlt = tasten.isEmpty() ? nullptr : &tasten.first();
        for (const Haupttaste& h : tasten) {
            if (h.wg == auswahl) gewaehlt = &h;
            auto* knopf = new Touchtaste(h.wg);
            knopf->setObjectName(QStringLiteral("cmdHaupttaste"));
            knopf->setCheckable(true);
            // The main key whose article keys are shown stands out.
            knopf->setStyleSheet(knopf->styleSheet() +
                                 QStringLiteral(" QPushButton:checked { background: #2f6db5;"
                                                " color: white; border: 2px solid #1d3f73; }"));
            knopf->setMinimumHeight(64);
            knopf->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            knopf->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(knopf, &QPushButton::clicked, this,
                    [this, h] { haupttasteWaehlen(h.id, h.wg); });
            connect(knopf, &QWidget::customContextMenuRequested, this,
                    [this, h, knopf](const QPoint& p) {
                        haupttasteWaehlen(h.id, h.wg);
                        mnuHaupttasten->popup(knopf->mapToGlobal(p));
                    });
            m_haupttasten->addWidget(knopf);
        }
        m_haupttasten->addStretch();
        if (gewaehlt)
            haupttasteWaehlen(gewaehlt->id, gewaehlt->wg);
        else
            haupttasteWaehlen(0, QString());
    });
}

void frmDirektwahltasteVerwaltung::haupttasteWaehlen(std::int64_t id, const QString& wg) {
    m_id = id;
    m_wg = wg;
    for (int i = 0; i < m_haupttasten->count(); ++i)
        if (auto* knopf = qobject_cast<QPushButton*>(m_haupttasten->itemAt(i)->widget()))
            knopf->setChecked(knopf->text() == wg);
    WahltastenAktualisieren();
}

void frmDirektwahltasteVerwaltung::WahltastenAktualisieren() {
    Absichern(k, [&] {
        grdWahltasten->clearContents();
        const auto reihen = m_id ? ArtikeltastenLesen(k, m_wg) : QList<Artikeltastenreihe>();
        grdWahltasten->setRowCount(reihen.size());
        for (int z = 0; z < reihen.size(); ++z)
            for (int s = 0; s < 5; ++s) {
                const Artikeltaste& t = reihen[z].tasten[s];
                auto* zelle = new QTableWidgetItem(t.text);
                zelle->setTextAlignment(Qt::AlignCenter);
                zelle->setData(kIdRolle, QVariant::fromValue(reihen[z].id));
                zelle->setData(kPluRolle, t.plu);
                if (t.farbe) {
                    const QColor farbe = QColor::fromRgb(*t.farbe);
                    zelle->setData(kFarbeRolle, *t.farbe);
                    zelle->setBackground(farbe);
                    zelle->setForeground(farbe.lightness() < 128 ? Qt::white : Qt::black);
                }
                grdWahltasten->setItem(z, s, zelle);
            }
    });
}

std::int64_t frmDirektwahltasteVerwaltung::reihenId(int zeile) const {
    const QTableWidgetItem* zelle = grdWahltasten->item(zeile, 0);
    return zelle ? zelle->data(kIdRolle).toLongLong() : 0;
}

void frmDirektwahltasteVerwaltung::wahltasteBearbeiten(int zeile, int spalte) {
    const QTableWidgetItem* zelle = grdWahltasten->item(zeile, spalte);
    if (!zelle) return;
    frmArtikelgruppetaste editor(k, m_wg, reihenId(zeile), spalte + 1, tasteIn(zelle), this);
    if (editor.exec() == QDialog::Accepted) WahltastenAktualisieren();
}

void frmDirektwahltasteVerwaltung::ArtikelTasteLoeschen(int zeile, int spalte) {
    Absichern(k, [&] { ::ArtikelTasteLoeschen(k, reihenId(zeile), spalte + 1); });
    WahltastenAktualisieren();
}

void frmDirektwahltasteVerwaltung::HintergrundfarbeAuswaehlen(int zeile, int spalte) {
    const QColor farbe =
        QColorDialog::getColor(Qt::white, this, QStringLiteral("Hintergrundfarbe"));
    if (!farbe.isValid()) return;
    Absichern(k, [&] {
        HintergrundfarbeEintragen(k, reihenId(zeile), spalte + 1, farbe.rgb() & 0xFFFFFFu);
    });
    WahltastenAktualisieren();
}

void frmDirektwahltasteVerwaltung::haupttasteBearbeiten() {
    if (!m_id) return;
    frmHaupttaste editor(k, m_id, this);
    if (editor.exec() == QDialog::Accepted) HaupttastenAktualliseren(editor.haupttaste());
}

void frmDirektwahltasteVerwaltung::Hauptastenentfernen() {
    if (!m_id) return;
    bool entfernt = false;
    Absichern(k, [&] { entfernt = ::Hauptastenentfernen(k, m_wg); });
    if (entfernt) HaupttastenAktualliseren();
}

void frmDirektwahltasteVerwaltung::HauptastenNeu() {
    QString neu;
    Absichern(k, [&] { neu = ::HauptastenNeu(k); });
    HaupttastenAktualliseren(neu);
}
