#pragma once

#include <QStringList>
#include <cstdint>

#include "absturz/Protokoll.h"

class Datenbank;

// What a restart finds wrong, one German sentence each: a damaged file, a
// confirmed action missing or one done twice, bills that do not add up, bill
// numbers taken twice in one closing period, lines that are not whole, a
// journal chain that does not hold. The journal is checked from entry
// `journalAb` on: the entries before were checked at an earlier restart, and
// its triggers keep them as they were.
QStringList Pruefen(Datenbank& db, const Protokollstand& stand, std::int64_t journalAb = 1);

// Where the next restart's journal check begins, kept in a file beside the
// side log: after the entries a check found in order. 1 without the file.
std::int64_t JournalmarkeLesen(const QString& pfad);
void JournalmarkeSchreiben(const QString& pfad, Datenbank& db);

// After the start-up: every transaction of the TSE is referred to by the journal.
QStringList TseAbgleichen(Datenbank& db);
