#pragma once

#include <QStringList>
#include <vector>

// The three groups of rights boxes in the staff record window.
enum class Rechtegruppe { Kasse, Menu, Verwaltung };

struct Rechtekaestchen {
    bool an = false;
    bool aktiv = true;  // enabled, may be touched
};

using Kaestchenreihe = std::vector<Rechtekaestchen>;

// The right keys of a group, in box order.
const QStringList& Rechteschluessel(Rechtegruppe gruppe);

// A touch on box i: the box flips and the group's coupling rules follow
// (the lock box clears and disables the others, exclusive pairs, boxes that
// only make sense under another one). Disabled boxes ignore the touch.
void KaestchenBeruehren(Rechtegruppe gruppe, Kaestchenreihe& reihe, int i);

// Enables and disables the boxes to fit their ticks, as after loading a record:
// a ticked lock disables the rest of the group, dependent boxes follow the box
// they depend on.
void KaestchenEinrichten(Rechtegruppe gruppe, Kaestchenreihe& reihe);
