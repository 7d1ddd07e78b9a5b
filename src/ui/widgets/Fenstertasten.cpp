#include "ui/widgets/Fenstertasten.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

Fenstertasten::Fenstertasten(QWidget* bildschirm, Aktion aktion)
    : QObject(bildschirm), m_bildschirm(bildschirm), m_aktion(std::move(aktion)) {
    qApp->installEventFilter(this);
}

bool Fenstertasten::eventFilter(QObject* ziel, QEvent* ereignis) {
    const QEvent::Type art = ereignis->type();
    if (art != QEvent::KeyPress && art != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(ziel);
    if (!widget || !m_bildschirm->isVisible() || widget->window() != m_bildschirm->window())
        return false;
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != m_bildschirm->window()) return false;
    // No child's shortcut may take a key first; the key then comes as a press.
    if (art == QEvent::ShortcutOverride) {
        ereignis->accept();
        return true;
    }
    return m_aktion(static_cast<QKeyEvent*>(ereignis));
}
