#include "ui/widgets/Beschriftungszelle.h"

#include <QApplication>
#include <QPainter>

#include "ui/Beschriftung.h"

namespace {

constexpr int kRand = 4;

}  // namespace

void Beschriftungszelle::paint(QPainter* maler, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem zelle = option;
    initStyleOption(&zelle, index);
    const QString text = zelle.text;
    zelle.text.clear();
    const QWidget* raster = zelle.widget;
    QStyle* stil = raster ? raster->style() : QApplication::style();
    stil->drawControl(QStyle::CE_ItemViewItem, &zelle, maler, raster);

    const QRect flaeche = zelle.rect.adjusted(kRand, kRand, -kRand, -kRand);
    const Beschriftung b = BeschriftungEinpassen(text, zelle.font, flaeche.size());
    maler->save();
    maler->setFont(zelle.font);
    maler->setPen(zelle.palette.color(
        zelle.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    maler->translate(flaeche.topLeft());
    maler->scale(b.massstab, b.massstab);
    maler->drawText(QRectF(0, 0, flaeche.width() / b.massstab, flaeche.height() / b.massstab),
                    zelle.displayAlignment, b.zeilen.join(QLatin1Char('\n')));
    maler->restore();
}
