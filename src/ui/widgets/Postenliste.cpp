#include "ui/widgets/Postenliste.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "core/Kontext.h"
#include "service/Tischzeilenmodell.h"

Postenliste::Postenliste(const QString& gitter, const QString& summe, double gerichtAnteil,
                         QWidget* eltern)
    : QWidget(eltern),
      m_ueberschrift(new QLabel(this)),
      m_tabelle(new QTableView(this)),
      m_modell(new Tischzeilenmodell(this)),
      m_gerichtAnteil(gerichtAnteil) {
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    QFont fett = m_ueberschrift->font();
    fett.setPointSize(14);
    fett.setBold(true);
    m_ueberschrift->setFont(fett);
    spalte->addWidget(m_ueberschrift);

    m_tabelle->setObjectName(gitter);
    m_tabelle->setModel(m_modell);
    m_tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->verticalHeader()->hide();
    m_tabelle->verticalHeader()->setDefaultSectionSize(40);
    m_tabelle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabelle->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QFont gross = m_tabelle->font();
    gross.setPointSize(13);
    m_tabelle->setFont(gross);
    // Headings a size below the rows, so the narrow number columns show theirs whole.
    m_tabelle->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { font-size: 11pt; padding: 2px; }"));
    spalte->addWidget(m_tabelle, 1);
    m_tabelle->installEventFilter(this);

    if (!summe.isEmpty()) {
        m_summe = new QLabel(this);
        m_summe->setObjectName(summe);
        QFont f = m_summe->font();
        f.setPointSize(18);
        f.setBold(true);
        m_summe->setFont(f);
        m_summe->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        spalte->addWidget(m_summe);
    }
}

void Postenliste::fuellen(Kontext& k, const Tischort& ort, const Tischort& ueberschrift,
                          Listenart art) {
    m_modell->setzen(TischZeilen(k, ort, art));
    // Refilling the model resets the columns to their default widths.
    breitenSetzen();
    m_ueberschrift->setText(TischUeberschrift(ueberschrift));
    if (m_summe) {
        const auto summe = TischSumme(k, ort);
        m_summe->setVisible(summe.has_value());
        m_summe->setText(summe ? summe->waehrung() : QString());
    }
    // The last lines stay in view, and one of them is the marked line.
    if (m_modell->rowCount() > 0) {
        m_tabelle->selectRow(m_modell->rowCount() - 1);
        m_tabelle->scrollToBottom();
    }
}

std::optional<Tischzeile> Postenliste::markiert() const {
    const auto reihen = m_tabelle->selectionModel()->selectedRows();
    if (reihen.isEmpty() || reihen.first().row() >= m_modell->rowCount()) return std::nullopt;
    return m_modell->zeile(reihen.first().row());
}

bool Postenliste::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ziel == m_tabelle && ereignis->type() == QEvent::Resize) breitenSetzen();
    return QWidget::eventFilter(ziel, ereignis);
}

void Postenliste::breitenSetzen() {
    const double anteile[] = {0.09, 0.08, m_gerichtAnteil, 0.16, 0.16};
    const int breite = m_tabelle->contentsRect().width();
    for (int i = 0; i < 5; ++i) m_tabelle->setColumnWidth(i, static_cast<int>(breite * anteile[i]));
}
