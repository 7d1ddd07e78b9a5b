#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "service/Rechnungsspeicher.h"

class Kontext;

// Check-out: the hotel bill written from the folio of one or more stays.

inline const QString kUeberweisung = QStringLiteral("Überweisung");
// How the guest pays the hotel bill, and with it the room charges.
inline const QStringList kAbreiseZahlungsarten{kBar, kKarte, kUeberweisung};

inline const QString kKeinZimmerGewaehlt = QStringLiteral("Bitte mindestens ein Zimmer wählen.");
inline const QString kAbreiseTitel = QStringLiteral("Abreise");
QString KeineHotelrechnung(int rechnungsnr);

// Checks the stays out onto one hotel bill under the next invoice number: per
// room its nights and breakfasts at the stay's prices, every restaurant bill
// charged to it, the VAT table over all of it. The bill goes to the printer and
// into the journal ("Hotelrechnung") with the stays' new state, in one
// transaction. When tables are still open while the stays have room charges,
// the user is told which and decides whether to go on. Answers the invoice
// number; nullopt when refused (no room chosen, a stay no longer in house) or
// not confirmed.
std::optional<int> Abreisen(Kontext& k, const std::vector<std::int64_t>& aufenthalte,
                            const QString& zahlungsart);

// Prints a written hotel bill again, marked "Kopie", from its journal entry.
// Refused with a message for a number never given.
bool HotelrechnungNachdrucken(Kontext& k, int rechnungsnr);
