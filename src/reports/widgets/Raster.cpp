#include "reports/widgets/Raster.h"

#include <QHeaderView>
#include <numeric>

#include "core/Geld.h"

namespace {

constexpr int kKopfrand = 4;  // room either side of a heading

// Dates are stored as ISO text and shown the German way.
QString zellentext(const QVariant& wert) {
    const QString text = wert.toString();
    if (text.size() != 10) return text;
    const QDate datum = QDate::fromString(text, Qt::ISODate);
    return datum.isValid() ? datum.toString(QStringLiteral("dd.MM.yyyy")) : text;
}

}  // namespace

Raster::Raster(const QString& name, bool idZeigen, QWidget* eltern)
    : QTableWidget(eltern), m_idZeigen(idZeigen) {
    setObjectName(name);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(44);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Headings a size below the rows, so that many columns show theirs whole.
    horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { font-size: 11pt; padding: 2px %1px; }")
            .arg(kKopfrand));
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void Raster::fuellen(const Tabelle& tabelle, const QStringList& geldspalten,
                     const std::vector<double>& anteile) {
    clear();
    setColumnCount(static_cast<int>(tabelle.spalten.size()));
    setRowCount(static_cast<int>(tabelle.zeilen.size()));
    setHorizontalHeaderLabels(tabelle.spalten);
    for (int z = 0; z < rowCount(); ++z)
        for (int s = 0; s < columnCount(); ++s) {
            const QVariant& wert = tabelle.zeilen[z][s];
            const bool geld = geldspalten.contains(tabelle.spalten[s]);
            auto* zelle = new QTableWidgetItem(
                geld && !wert.isNull() ? Geld(wert.toLongLong()).waehrung() : zellentext(wert));
            if (geld) zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(z, s, zelle);
        }
    if (const auto id = tabelle.spalten.indexOf(QStringLiteral("ID")); id >= 0 && !m_idZeigen)
        setColumnHidden(static_cast<int>(id), true);
    m_anteile = anteile;
    breitenSetzen();
}

void Raster::zumEnde() {
    if (rowCount() == 0) return;
    setCurrentCell(rowCount() - 1, 1);
    scrollToBottom();
}

void Raster::resizeEvent(QResizeEvent* e) {
    QTableWidget::resizeEvent(e);
    breitenSetzen();
}

void Raster::breitenSetzen() {
    // Every heading is shown whole; the width left is shared by the parts, and
    // without parts equally among the visible columns.
    const QFontMetrics masse(horizontalHeader()->font());
    std::vector<double> teile;
    std::vector<int> kopfbreiten;
    for (int s = 0; s < columnCount(); ++s) {
        const QTableWidgetItem* kopf = horizontalHeaderItem(s);
        kopfbreiten.push_back(
            isColumnHidden(s) || !kopf ? 0 : masse.horizontalAdvance(kopf->text()) + 2 * kKopfrand);
        teile.push_back(isColumnHidden(s)                        ? 0
                        : s < static_cast<int>(m_anteile.size()) ? m_anteile[s]
                                                                 : 1.0);
    }
    const double summe = std::accumulate(teile.begin(), teile.end(), 0.0);
    if (summe <= 0) return;
    const int breite = viewport()->width();
    const int koepfe = std::accumulate(kopfbreiten.begin(), kopfbreiten.end(), 0);
    // Too narrow for all headings: plain shares, as good as it gets.
    const int rest = koepfe <= breite ? breite - koepfe : breite;
    for (int s = 0; s < columnCount(); ++s)
        if (!isColumnHidden(s))
            setColumnWidth(s, (koepfe <= breite ? kopfbreiten[s] : 0) +
                                  static_cast<int>(rest * teile[s] / summe));
}
