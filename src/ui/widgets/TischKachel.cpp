#include "ui/widgets/TischKachel.h"

#include <QPainter>
#include <QSvgRenderer>

TischKachel::TischKachel(const QString& name, QWidget* eltern)
    : QAbstractButton(eltern), m_name(name) {
    setObjectName(QStringLiteral("picTisch"));
    setText(name);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void TischKachel::setzeMarker(QSvgRenderer* marker) {
    if (m_marker == marker) return;
    m_marker = marker;
    update();
}

void TischKachel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool gedrueckt = isDown();
    QRectF flaeche = QRectF(rect()).adjusted(2, 2, -2, -2);
    if (gedrueckt) flaeche.translate(1.5, 1.5);

    const QColor grund = gedrueckt ? QColor(0x2f, 0x6f, 0xb3) : QColor(0xfd, 0xf8, 0xee);
    p.setPen(QPen(QColor(0x5a, 0x44, 0x2c), 2));
    p.setBrush(besetzt() && !gedrueckt ? QColor(0xf6, 0xd8, 0xa8) : grund);
    p.drawRoundedRect(flaeche, 10, 10);

    if (m_marker && m_marker->isValid()) {
        const qreal seite = qMin(flaeche.width(), flaeche.height()) * 0.34;
        m_marker->render(&p, QRectF(flaeche.right() - seite - 4, flaeche.top() + 4, seite, seite));
    }

    QFont schrift = font();
    schrift.setBold(true);
    schrift.setPixelSize(qBound(14, static_cast<int>(flaeche.height() * 0.38), 40));
    p.setFont(schrift);
    p.setPen(gedrueckt ? Qt::white : palette().color(QPalette::ButtonText));
    p.drawText(flaeche, Qt::AlignCenter, m_name);
}
