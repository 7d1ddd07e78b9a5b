#pragma once

#include <QString>
#include <functional>
#include <memory>

class Datenbank;

// Opens the database at start with `oeffnen`. When that fails, the box titled
// "Fehler" shows why; a server may come back (it restarts, the network
// returns), so for a server address the box offers "Erneut versuchen" beside
// "Beenden". Answers nullptr when the till is to end.
std::unique_ptr<Datenbank> DatenbankErreichen(
    const QString& datenbank, const std::function<std::unique_ptr<Datenbank>()>& oeffnen);
