#pragma once

#include <QString>

// The parent of the crash test: starts the driver on one file, kills it with
// SIGKILL at a random moment once it has checked the file and begun its day,
// and starts it again, `kills` times; then checks the file a last time. Prints
// each violation, the kinds of action the kills interrupted, and one closing
// line "Kills: N, Aktionen: N, Verletzungen: N". Answers the exit code.
int AbsturztestLaufen(const QString& programm, const QString& ordner, int kills, quint32 seed);
