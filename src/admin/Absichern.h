#pragma once

#include "core/DbFehler.h"
#include "core/Kontext.h"

// Runs a screen's action; a database error ends it with the "Fehler" message
// (the routine's transaction has already rolled back).
template <typename Aktion>
void Absichern(Kontext& k, Aktion&& aktion) {
    try {
        aktion();
    } catch (const DbFehler& fehler) {
        k.dialoge.fehler(fehler);
    }
}
