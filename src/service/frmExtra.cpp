#include "service/frmExtra.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "service/Extras.h"
#include "service/Extrawahl.h"
#include "ui/Absichern.h"
#include "ui/widgets/Fensterraum.h"
#include "ui/widgets/Touchtaste.h"

frmExtra::frmExtra(Kontext& k, std::int64_t zeilenId, std::int64_t regId, QWidget* eltern)
    : QDialog(eltern), m_k(k), m_zeilenId(zeilenId), m_regId(regId), m_liste(new QTreeWidget) {
    setObjectName(QStringLiteral("frmExtra"));
    setWindowTitle(QStringLiteral("Extra"));
    setModal(true);
    Einpassen(this, QSize(560, 620));

    m_liste->setObjectName(QStringLiteral("ListViewExtra"));
    m_liste->setHeaderLabels({QStringLiteral("PLU"), QStringLiteral("Extra")});
    m_liste->setRootIsDecorated(false);
    m_liste->header()->setStretchLastSection(true);
    m_liste->setColumnWidth(0, 130);
    m_liste->setStyleSheet(
        QStringLiteral("QTreeWidget { font-size: 15pt; } QTreeWidget::item { min-height: 48px; }"
                       " QTreeWidget::indicator { width: 28px; height: 28px; }"));
    Absichern(m_k, [&] {
        for (const Extraartikel& extra : ListViewExtraFuelen(m_k)) {
            auto* eintrag = new QTreeWidgetItem(m_liste, {extra.plu, extra.gericht});
            // Ticked only through angetippt(), which first checks the line's group.
            eintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            eintrag->setCheckState(0, Qt::Unchecked);
        }
    });
    connect(m_liste, &QTreeWidget::itemClicked, this, &frmExtra::angetippt);

    auto* cmdOk = new Touchtaste(QStringLiteral("Ok"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    auto* cmdAbbrechen = new Touchtaste(QStringLiteral("Abbrechen"));
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    connect(cmdOk, &QPushButton::clicked, this, &frmExtra::ok);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmdOk);
    knoepfe->addWidget(cmdAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_liste, 1);
    layout->addLayout(knoepfe);
}

void frmExtra::angetippt(QTreeWidgetItem* eintrag) {
    if (eintrag->checkState(0) == Qt::Checked) {
        eintrag->setCheckState(0, Qt::Unchecked);
        return;
    }
    bool gewaehlt = true;
    Absichern(m_k, [&] {
        gewaehlt = ExtraBereitsGewaehlt(m_k, m_regId, eintrag->text(0), eintrag->text(1));
    });
    if (!gewaehlt) eintrag->setCheckState(0, Qt::Checked);
}

void frmExtra::ok() {
    QStringList plus;
    for (int i = 0; i < m_liste->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* eintrag = m_liste->topLevelItem(i);
        if (eintrag->checkState(0) == Qt::Checked) plus << eintrag->text(0);
    }
    // Nothing ticked adds nothing: the line must not be marked as having extras.
    if (plus.isEmpty()) {
        reject();
        return;
    }
    if (Absichern(m_k, [&] { ExtraEintragen(m_k, m_zeilenId, plus); })) accept();
}
