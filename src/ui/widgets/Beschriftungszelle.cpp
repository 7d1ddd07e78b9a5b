#include "ui/widgets/Beschriftungszelle.h"

#include <QApplication>
#include <QPainter>

#include "ui/Beschriftung.h"

namespace {

constexpr int kRand = 4;

}  // namespace

QStyleOptionViewItem Beschriftungszelle::hintergrund(QPainter* maler,
                                                     const QStyleOptionViewItem& option,
                                                     const QModelIndex& index) const {
    QStyleOptionViewItem zelle = option;
    initStyleOption(&zelle, index);
    QStyleOptionViewItem ohneText = zelle;
    ohneText.text.clear();
    const QWidget* raster = zelle.widget;
    QStyle* stil = raster ? raster->style() : QApplication::style();
    stil->drawControl(QStyle::CE_ItemViewItem, &ohneText, maler, raster);
    return zelle;
}

void Beschriftungszelle::einpassen(QPainter* maler, const QStyleOptionViewItem& zelle,
                                   const QString& text, const QFont& schrift,
                                   const QRect& flaeche) {
    const Beschriftung b = BeschriftungEinpassen(text, schrift, flaeche.size());
    maler->save();
    maler->setFont(schrift);
    maler->setPen(zelle.palette.color(
        zelle.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    maler->translate(flaeche.topLeft());
    maler->scale(b.massstab, b.massstab);
    maler->drawText(QRectF(0, 0, flaeche.width() / b.massstab, flaeche.height() / b.massstab),
                    zelle.displayAlignment, b.zeilen.join(QLatin1Char('\n')));
    maler->restore();
}

void Beschriftungszelle::paint(QPainter* maler, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QStyleOptionViewItem zelle = hintergrund(maler, option, index);
    einpassen(maler, zelle, zelle.text, zelle.font,
              zelle.rect.adjusted(kRand, kRand, -kRand, -kRand));
}
