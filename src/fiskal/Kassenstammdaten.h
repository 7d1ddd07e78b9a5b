#pragma once

#include <QString>

class Datenbank;

// The till's serial number as printed on receipts and handed to the tax
// auditor: set in the back office, else the terminal's name.
QString Kassenseriennummer(Datenbank& db);

inline const QString kEinstellungKassenseriennummer = QStringLiteral("Kassenseriennummer");
