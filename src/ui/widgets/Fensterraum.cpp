#include "ui/widgets/Fensterraum.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

const QWidget* hauptfenster(const QWidget* w) {
    while (w && w->parentWidget()) w = w->parentWidget();
    return w;
}

}  // namespace

QSize Fensterraum(const QWidget* eltern) {
    if (const QWidget* haupt = hauptfenster(eltern)) return haupt->size();
    return QGuiApplication::primaryScreen()->availableGeometry().size();
}

void Ueberdecken(QWidget* fenster, const QWidget* eltern) {
    if (const QWidget* haupt = hauptfenster(eltern))
        fenster->setGeometry(haupt->geometry());
    else
        fenster->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
}

void Einpassen(QWidget* fenster, QSize wunsch) {
    fenster->resize(wunsch.boundedTo(Fensterraum(fenster->parentWidget())));
}
