#pragma once

#include <QString>
#include <cstdint>

class Datenbank;

// Numbers that stay unique and gapless with any number of tills on one
// database (table Zaehler): the journal's entries and the bills of the
// current closing period. Moving a counter writes its row, which keeps it
// locked until the transaction ends; another till's posting waits there and
// then goes on from the committed value. Call inside a transaction.
inline const QString kZaehlerJournal = QStringLiteral("Journal");
inline const QString kZaehlerRechnung = QStringLiteral("Rechnung");

// Takes the next number.
std::int64_t ZaehlerWeiter(Datenbank& db, const QString& name);
// The last number taken.
std::int64_t ZaehlerStand(Datenbank& db, const QString& name);
// Holds the counter for this transaction without moving it. Every posting
// takes the journal's first, so postings never wait for each other in a circle
// and what they read before their entry is what the entry follows.
void ZaehlerSperren(Datenbank& db, const QString& name);
void ZaehlerZuruecksetzen(Datenbank& db, const QString& name);
