#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Runs a step on the next modal window once it is shown, from inside its own
// event loop; a test drives a modal dialog this way while exec() waits. The
// watch ends with its owner (so it never reaches into a later test) or after
// about three seconds without a modal window.
inline void ImModalFenster(QObject* besitzer, std::function<void(QWidget*)> schritt,
                           int versuche = 300) {
    QTimer::singleShot(10, besitzer, [besitzer, schritt, versuche] {
        if (QWidget* fenster = QApplication::activeModalWidget())
            schritt(fenster);
        else if (versuche > 0)
            ImModalFenster(besitzer, schritt, versuche - 1);
    });
}
