#pragma once

#include <QStringList>
#include <cstdint>

class Datenbank;

// What the tills say they settled, summed over all of them.
struct Kassenbilanz {
    std::int64_t rechnungen = 0, cent = 0, zeilen = 0;
};

// After tills started together on an empty database: the demo data once,
// one device key, one entry putting the device into service.
QStringList EinrichtungPruefen(Datenbank& db);

// Compares the shared database with what the tills settled: every bill has
// its own gapless number and equals its lines, no line is lost or doubled,
// the journal is one unbroken chain with one entry per bill. Answers the
// violations found.
QStringList BestandPruefen(Datenbank& db, const Kassenbilanz& bilanz);

// Two tills close at the same moment: the closings get the numbers 1 and 2,
// the bills are gone and their numbering starts again.
QStringList AbschluessePruefen(const QString& datenbank);

// A till killed with a table open holds it until its lease runs out.
QStringList SperreNachAbsturzPruefen(const QString& datenbank, const QString& kasse);
