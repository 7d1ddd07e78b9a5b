#pragma once

#include <QString>

class Datenbank;

// The till's serial number as printed on receipts and handed to the tax
// auditor: set in the back office, else the terminal's name.
QString Kassenseriennummer(Datenbank& db);

inline const QString kEinstellungKassenseriennummer = QStringLiteral("Kassenseriennummer");

// The VAT identification number of the establishment, for the tax auditor.
inline const QString kEinstellungUStIdNr = QStringLiteral("UStIdNr");
