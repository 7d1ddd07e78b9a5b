#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The journal's commands, run without a window:
//   tavro --journal-pruefen [--datenbank PFAD] [--schluessel PFAD]
//   tavro --journal-export ORDNER --von JJJJ-MM-TT --bis JJJJ-MM-TT [--datenbank PFAD]
//                          [--schluessel PFAD]
//   tavro --dsfinvk-export ORDNER --von JJJJ-MM-TT --bis JJJJ-MM-TT [--datenbank PFAD]
//                          [--schluessel PFAD]
bool IstJournalbefehl(const QStringList& argumente);

// Runs the command and prints its one-line result to `aus` (a database that
// cannot be read to `fehler`). Exit codes: 0 done (journal intact, export
// written), 1 journal changed or export refused, 2 no database to read.
int JournalbefehlAusfuehren(const QStringList& argumente, const QString& standardpfad,
                            QTextStream& aus, QTextStream& fehler);
