#pragma once

#include <QString>
#include <cstdint>

#include "core/Geld.h"
#include "service/Tischzeilen.h"

class Kontext;

inline const QString kGerichtNichtGefunden =
    QStringLiteral("Gericht nicht gefunden oder Tisch ist Leer");
inline const QString kTischIstLeer = QStringLiteral("Tisch ist Leer");

// Moves every sent line from one table to another. A plain line merges into an
// equal plain line there (same article, same unit price); lines with extras and
// extra lines arrive as separate lines and keep their group.
void AllesUmbuchen(Kontext& k, const Tischort& von, const Tischort& nach);

// Moves one plain sent line, or part of its quantity asked on the numeric pad,
// merging into an equal plain line at the destination. False when no such line
// is on the source table.
bool NurGerichtUmbuchen(Kontext& k, const Tischort& von, const Tischort& nach, const QString& plu,
                        Geld epreis);

// Moves a line together with its extras (the group of RegID), or part of the
// group's quantity; the extras' texts follow their new quantity. False when the
// group is not on the source table.
bool NurGerichtUmbuchenExtraNichtGleich(Kontext& k, const Tischort& von, const Tischort& nach,
                                        std::int64_t regId);

// The move of a marked list row: a line with extras takes them along, a plain
// line moves alone, an extra line never moves on its own. `leerMeldung` is shown
// when a plain line is no longer there.
void MarkierteZeileUmbuchen(Kontext& k, const Tischort& von, const Tischort& nach,
                            const Tischzeile& zeile, const QString& leerMeldung);
