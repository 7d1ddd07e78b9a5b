#pragma once

#include <QString>

#include "fiskal/Journalexport.h"

class Datenbank;

// Writes the tax authority's till export (DSFinV-K 2.3) of the till closings
// whose business day lies from `von` to `bis` (as typed, JJJJ-MM-TT) into the
// folder `ordner`, which must not exist yet or be empty: every file of the
// single records, master data and closing modules, index.xml and its document
// type. Everything is read from the journal and the master data (Betrieb, the
// settings). Without a closing in the range only the master data is written.
// The files are written into a temporary folder beside the target that is
// renamed at the end, so a failure leaves nothing behind.
Exportbericht DsfinvkExportieren(Datenbank& db, const QString& ordner, const QString& von,
                                 const QString& bis);

inline const QString kKeinKassenabschluss = QStringLiteral(
    "Im Zeitraum gibt es keinen Kassenabschluss; nur die Stammdaten wurden exportiert.");
