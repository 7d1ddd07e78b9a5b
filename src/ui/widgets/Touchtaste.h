#pragma once

#include <QColor>
#include "ui/widgets/Umbruchtaste.h"

// A key for a finger: large, never takes the keyboard focus, darkens while
// touched. An "&" in the caption underlines its letter but binds no Alt shortcut,
// because the screens map the keyboard themselves.
class Touchtaste : public Umbruchtaste {
  public:
    explicit Touchtaste(const QString& text = QString(), QWidget* eltern = nullptr);

    void beschriften(const QString& text);
    // Background and text size of the key; an invalid colour gives the plain key.
    void faerben(const QColor& farbe, int punkt = 15);
};
