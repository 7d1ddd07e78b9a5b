#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "core/Geld.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tseprozessdaten.h"

class Kontext;

// The signatures of the till's events on its TSE, made from the lines as they
// stand just before the event's transaction.

// A bill of the open lines of `tisch` (at settlement the pay list), paid as
// `zahlungsart` (with a voucher of `gutschein`): "Kassenbeleg-V1".
Tsesignatur KassenbelegSignieren(Kontext& k, const QString& tisch, const QString& zahlungsart,
                                 Geld gutschein);

// The new lines of the open table a send takes, about to be sent: the current
// waiter's lines of no course, or the held lines of the course `gang` called.
QList<Bestellposten> NeueBestellposten(Kontext& k, const QString& gang = QString());
// Those lines as "Bestellung-V1"; nothing to sign when there are none.
Tsesignatur BestellungSignieren(Kontext& k, const QList<Bestellposten>& posten);
// Inside the transaction that sends them: the entry "Bestellung" with the
// lines and the signature (none when there are no lines).
void BestellungJournalieren(Kontext& k, const QList<Bestellposten>& posten,
                            const Tsesignatur& signatur);

// Part of an open line (its ID) taken back at its price, and `neuerPreis` per
// unit in its place when given ("Auf Haus"): "Bestellung-V1".
Tsesignatur ZeileSignieren(Kontext& k, std::int64_t id, std::int64_t menge,
                           std::optional<Geld> neuerPreis = std::nullopt);
