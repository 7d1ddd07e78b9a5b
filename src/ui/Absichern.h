#pragma once

#include <utility>

#include "core/DbFehler.h"
#include "core/Kontext.h"

// The handler of a screen event: runs the action and shows a database error as
// the "Fehler" message (the routine's transaction has rolled back by then).
// False when the action was stopped by an error.
template <typename Aktion>
bool Absichern(Kontext& k, Aktion&& aktion) {
    try {
        std::forward<Aktion>(aktion)();
        return true;
    } catch (const DbFehler& fehler) {
        k.dialoge.fehler(fehler);
        return false;
    }
}
