#include "service/frmkarteAuswahl.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTreeWidget>

#include "service/Speisekarte.h"
#include "ui/Absichern.h"

namespace {

QTreeWidget* liste(const QString& name) {
    auto* l = new QTreeWidget;
    l->setObjectName(name);
    l->setRootIsDecorated(false);
    l->setEditTriggers(QAbstractItemView::NoEditTriggers);
    l->setSelectionBehavior(QAbstractItemView::SelectRows);
    l->setStyleSheet(QStringLiteral(
        "QTreeWidget { font-size: 14pt; } QTreeWidget::item { min-height: 40px; }"
        " QTreeWidget::item:selected { background: #2f6db5; color: white; }"
        " QHeaderView::section { font-size: 13pt; font-weight: bold; padding: 4px; }"));
    return l;
}

}  // namespace

frmkarteAuswahl::frmkarteAuswahl(Kontext& k, QWidget* eltern)
    : QWidget(eltern),
      m_k(k),
      m_gruppen(liste(QStringLiteral("trvWarengruppen"))),
      m_artikel(liste(QStringLiteral("lvwArtikel"))) {
    setObjectName(QStringLiteral("frmkarteAuswahl"));
    m_gruppen->setRootIsDecorated(true);
    m_gruppen->setHeaderHidden(true);
    m_artikel->setHeaderLabels(
        {QStringLiteral("PLU"), QStringLiteral("Gericht"), QStringLiteral("E-Preis")});
    m_artikel->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_artikel->header()->setStretchLastSection(false);

    connect(m_gruppen, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* eintrag) {
        if (eintrag->parent()) artikelZeigen(eintrag->text(0));
    });
    connect(m_artikel, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* eintrag) { Q_EMIT artikelGewaehlt(eintrag->text(0)); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_gruppen, 2);
    layout->addWidget(m_artikel, 5);
}

void frmkarteAuswahl::laden() {
    Absichern(m_k, [&] {
        m_gruppen->clear();
        m_artikel->clear();
        auto* getraenke = new QTreeWidgetItem(m_gruppen, {kHauptgruppeGetraenke});
        auto* speise = new QTreeWidgetItem(m_gruppen, {kHauptgruppeSpeise});
        for (const Warengruppeneintrag& g : WarengruppenLesen(m_k))
            new QTreeWidgetItem(g.getraenk ? getraenke : speise, {g.wg});
        m_gruppen->expandAll();
    });
}

void frmkarteAuswahl::artikelZeigen(const QString& wg) {
    Absichern(m_k, [&] { artikelFuellen(ArtikelDerWarengruppe(m_k, wg)); });
}

void frmkarteAuswahl::artikelFuellen(const QList<Kartenartikel>& artikel) {
    m_artikel->clear();
    for (const Kartenartikel& a : artikel) {
        auto* eintrag = new QTreeWidgetItem(m_artikel, {a.plu, a.gericht, a.epreis.text()});
        eintrag->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
}
