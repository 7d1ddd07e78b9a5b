#include "ui/widgets/Touchtaste.h"

Touchtaste::Touchtaste(const QString& text, QWidget* eltern) : Umbruchtaste(QString(), eltern) {
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(64, 56);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    beschriften(text);
    faerben(QColor());
}

void Touchtaste::beschriften(const QString& text) {
    setText(text);
    setShortcut(QKeySequence());
}

void Touchtaste::faerben(const QColor& farbe, int punkt) {
    const QColor grund = farbe.isValid() ? farbe : QColor(0xe6, 0xe9, 0xee);
    const QColor schrift = grund.lightness() < 128 ? Qt::white : Qt::black;
    setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid #8a9099;"
                       " border-radius: 6px; font-size: %4pt; padding: 2px; }"
                       " QPushButton:pressed { background: %3; color: white;"
                       " border: 2px solid #1d3f73; }")
            .arg(grund.name(), schrift.name(), QColor(0x2f, 0x6d, 0xb5).name())
            .arg(punkt));
}
