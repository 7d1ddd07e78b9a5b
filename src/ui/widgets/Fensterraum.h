#pragma once

#include <QSize>

class QWidget;

// The room a window of the till may take: the main window's area (which keeps
// to the screen), or the screen's available area before there is one.
QSize Fensterraum(const QWidget* eltern);

// Lays a window over that whole room.
void Ueberdecken(QWidget* fenster, const QWidget* eltern);

// Gives a window the size wished, but never more than that room.
void Einpassen(QWidget* fenster, QSize wunsch);
