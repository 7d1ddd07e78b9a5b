#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "core/Geld.h"
#include "reports/Tabelle.h"

class Kontext;

// The waiter-list entry that stands for every staff member.
inline const QString kAlleKellner = QStringLiteral("alle Kellner");

// Cancelled lines of a range, of everybody or of one staff member: ID, Datum,
// Zeit, Station, Kellner, Tisch, PLU, Menge, Gericht, E-Preis, G-Preis (signed).
Tabelle Stornos(Kontext& k, const QDate& von, const QDate& bis, const QString& kellner);

// The cancelled value of the same lines, every line counted positive; nullopt
// when there are none.
std::optional<Geld> StornoSumme(Kontext& k, const QDate& von, const QDate& bis,
                                const QString& kellner);
