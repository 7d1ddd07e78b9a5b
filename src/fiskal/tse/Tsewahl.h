#pragma once

#include "fiskal/tse/Tsearbeiter.h"

class Datenbank;

// How the worker makes the device the setting "TSE" selects ("Simulation",
// the default and the only one built in): on its own connection to the file
// of `db`. Another value makes every call fail, and the till runs without
// signatures, marked as failed.
Tsearbeiter::Geraetebau TseGeraetebau(Datenbank& db);
