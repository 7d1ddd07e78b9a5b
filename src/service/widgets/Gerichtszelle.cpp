#include "service/widgets/Gerichtszelle.h"

#include "service/Tischzeilenmodell.h"

namespace {

constexpr int kRand = 4;
constexpr int kZeile = 44;      // a row of the dish alone
constexpr int kMitZusatz = 66;  // a row with the second line
constexpr double kZusatzAnteil = 0.4;

QString zusatz(const QModelIndex& index) {
    return index.data(Tischzeilenmodell::kZusatzRolle).toString();
}

}  // namespace

void Gerichtszelle::paint(QPainter* maler, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    const QString unten = zusatz(index);
    if (unten.isEmpty()) return Beschriftungszelle::paint(maler, option, index);
    const QStyleOptionViewItem zelle = hintergrund(maler, option, index);
    const QRect innen = zelle.rect.adjusted(kRand, 2, -kRand, -2);
    const int trenn = innen.top() + static_cast<int>(innen.height() * (1 - kZusatzAnteil));
    einpassen(maler, zelle, zelle.text, zelle.font,
              QRect(innen.left(), innen.top(), innen.width(), trenn - innen.top()));
    QFont klein = zelle.font;
    klein.setPointSizeF(zelle.font.pointSizeF() * 0.7);
    klein.setItalic(true);
    einpassen(maler, zelle, unten, klein,
              QRect(innen.left(), trenn, innen.width(), innen.bottom() - trenn));
}

QSize Gerichtszelle::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QSize basis = Beschriftungszelle::sizeHint(option, index);
    return {basis.width(), zusatz(index).isEmpty() ? kZeile : kMitZusatz};
}
