#include "reports/widgets/Raster.h"

#include <QHeaderView>
#include <numeric>

#include "core/Geld.h"

namespace {

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
    // Without parts, the visible columns share the width equally.
    std::vector<double> teile;
    for (int s = 0; s < columnCount(); ++s)
        teile.push_back(isColumnHidden(s) ? 0
                        : s < static_cast<int>(m_anteile.size()) ? m_anteile[s]
                                                                 : 1.0);
    const double summe = std::accumulate(teile.begin(), teile.end(), 0.0);
    if (summe <= 0) return;
    const int breite = viewport()->width();
    for (int s = 0; s < columnCount(); ++s)
        if (!isColumnHidden(s)) setColumnWidth(s, static_cast<int>(breite * teile[s] / summe));
}
