#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Gives a screen every key typed into its window while the screen is shown,
// whichever child has the focus: a list's type-ahead, a scroll area or a key
// never sees a key the screen maps. A modal window opened over the screen
// keeps its own keys. The catcher belongs to the screen (its Qt parent).
class Fenstertasten : public QObject {
  public:
    // The action answers whether it took the key; a key it leaves goes on to
    // the widget with the focus.
    using Aktion = std::function<bool(QKeyEvent*)>;
    Fenstertasten(QWidget* bildschirm, Aktion aktion);

  protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

  private:
    QWidget* m_bildschirm;
    Aktion m_aktion;
};
