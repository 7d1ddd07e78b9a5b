#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "hotel/Hotelpreise.h"

class Kontext;

// A guest's stay in one room: the folio the restaurant charges go to and the
// hotel bill is written from. A stay is in house from check-in until its bill
// is written at check-out.
inline const QString kImHaus = QStringLiteral("im Haus");
inline const QString kAbgereist = QStringLiteral("abgereist");

// What check-in records: the room as priced on the hotel screen and the guest.
struct Anreisedaten {
    int zimmerNr = 0;
    QString zimmerArt;
    QString zimmerleistung;
    QString gast;
    QString adresse;
    QDate anreise;
    QDate abreise;
    Zimmerpreis preis;
};

// A stay in house as the hotel screen lists it.
struct Hausgast {
    std::int64_t aufenthalt = 0;
    int zimmerNr = 0;
    QString gast;
    QDate anreise;
    QDate abreise;
};

inline const QString kGastFehlt = QStringLiteral("Bitte den Namen des Gastes eingeben.");
inline const QString kPreisFehlt =
    QStringLiteral("Für dieses Zimmer und diese Leistung ist kein Preis hinterlegt.");
QString ZimmerUnbekannt(int zimmerNr);
QString ZimmerBelegt(int zimmerNr);

// Check-in: stores the stay in house with the room's price per night and the
// owner's VAT rates. Refused with a message (nothing stored) when the room is
// not in the price list or taken, the guest's name is missing, the departure
// lies before the arrival, or there is no price or VAT rate.
std::optional<std::int64_t> Anreise(Kontext& k, const Anreisedaten& daten);

// The stays in house, by room.
std::vector<Hausgast> ZimmerImHaus(Kontext& k);

// The guest in house in a room. Refused with a message naming why for a room
// the price list does not know, a free room and a guest already checked out.
std::optional<Hausgast> GastImZimmer(Kontext& k, int zimmerNr);
