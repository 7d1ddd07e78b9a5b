#include "ui/widgets/Umbruchtaste.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

Umbruchtaste::Umbruchtaste(const QString& text, QWidget* eltern) : QPushButton(text, eltern) {}

QRect Umbruchtaste::beschriftungsflaeche() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect flaeche = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!icon().isNull()) flaeche.setLeft(flaeche.left() + iconSize().width() + 6);
    return flaeche.adjusted(2, 2, -2, -2);
}

Beschriftung Umbruchtaste::beschriftung() const {
    ensurePolished();  // the style sheet's font counts
    return BeschriftungEinpassen(text(), font(), beschriftungsflaeche().size());
}

// The caption may shrink, so the key asks for no more room than a short word needs.
QSize Umbruchtaste::minimumSizeHint() const { return QSize(0, 0).expandedTo(minimumSize()); }

void Umbruchtaste::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const Beschriftung b = beschriftung();
    option.text.clear();
    maler.drawControl(QStyle::CE_PushButtonBevel, option);

    // The label is drawn by the style, so its colours follow the key's state;
    // a smaller caption is the same label drawn at a smaller scale.
    const QRect r = option.rect;
    const qreal s = b.massstab;
    option.text = b.zeilen.join(QLatin1Char('\n'));
    option.rect = QRectF(r.x() / s, r.y() / s, r.width() / s, r.height() / s).toRect();
    maler.scale(s, s);
    maler.drawControl(QStyle::CE_PushButtonLabel, option);
    vollenTextMelden(b.gekuerzt);
}

bool Umbruchtaste::event(QEvent* ereignis) {
    const bool ergebnis = QPushButton::event(ereignis);
    if (ereignis->type() == QEvent::Resize || ereignis->type() == QEvent::FontChange)
        vollenTextMelden(beschriftung().gekuerzt);
    return ergebnis;
}

void Umbruchtaste::vollenTextMelden(bool gekuerzt) {
    const QString voll = gekuerzt ? OhneKuerzel(text()) : QString();
    if (accessibleName() == voll) return;
    setAccessibleName(voll);
    setToolTip(voll);
}
