#pragma once

#include <QStringList>

#include "absturz/Protokoll.h"

class Datenbank;

// What a restart finds wrong, one German sentence each: a damaged file, a
// confirmed action missing or one done twice, bills that do not add up, bill
// numbers taken twice in one closing period, lines that are not whole, a
// journal chain that does not hold.
QStringList Pruefen(Datenbank& db, const Protokollstand& stand);

// After the start-up: every transaction of the TSE is referred to by the journal.
QStringList TseAbgleichen(Datenbank& db);
