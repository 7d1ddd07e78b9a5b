#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// Moves a till from its database file to an empty PostgreSQL database, run
// without a window:
//   tavro --uebertragen QUELLE ZIEL [--schluessel PFAD]
// The target gets the program's schema and every row of every table of the
// file, in one transaction that also compares the row counts and checks the
// journal's chain on the target: the target ends up a whole copy or stays empty.
bool IstUebertragung(const QStringList& argumente);

// Runs the command; prints its one-line result to `aus`, a refusal to
// `fehler`. Exit codes: 0 copied and checked, 1 the copy failed or differs
// (nothing kept), 2 nothing to copy from or to (wrong call, source or target
// unusable, target not empty).
int UebertragungAusfuehren(const QStringList& argumente, QTextStream& aus, QTextStream& fehler);
