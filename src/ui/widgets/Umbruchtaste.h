#pragma once

#include <QPushButton>

#include "ui/Beschriftung.h"

// A key whose caption is never cut silently: it breaks into lines at word
// boundaries and shrinks down to a readable size; a caption too long even then
// ends in an ellipsis, and the key's accessible name and tip carry it in full.
class Umbruchtaste : public QPushButton {
    Q_OBJECT
  public:
    explicit Umbruchtaste(const QString& text = QString(), QWidget* eltern = nullptr);

    // How the caption is drawn at the key's present size.
    Beschriftung beschriftung() const;
    // The area the caption is drawn in.
    QRect beschriftungsflaeche() const;

    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* ereignis) override;
    bool event(QEvent* ereignis) override;

  private:
    void vollenTextMelden(bool gekuerzt);
};
