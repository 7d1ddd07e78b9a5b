#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/Geld.h"

class Kontext;

// The entries of a drop-down and the one shown (-1 when the list is empty).
struct Auswahl {
    QStringList eintraege;
    int gewaehlt = -1;

    QString text() const { return gewaehlt >= 0 ? eintraege.at(gewaehlt) : QString(); }
};

// The price of a room's service per night, and the breakfast part of it. The
// breakfast price is empty when the service is not offered.
struct Zimmerpreis {
    Geld preis;
    std::optional<Geld> fruehstueck;
};

// The whole choice of the hotel screen, as AnsichtAktualisieren fills it.
struct Hotelansicht {
    Auswahl zimmerNr;
    Auswahl zimmerArt;
    Auswahl zimmerleistung;
    int uebernachtungen = 0;
    Zimmerpreis preis;
};

// The service that prices a night without breakfast; every price list has it.
inline const QString kNurUebernachtung = QStringLiteral("Ü");

// Every room number of the price list, ascending; the first is shown.
Auswahl ComboZimmerNrFuellen(Kontext& k);
// An empty entry, then the room types of that room; the first type is shown.
Auswahl ComboZimmerArtFuellen(Kontext& k, int zimmerNr);
// An empty entry, then the services: the price columns of the price list. The
// second service (overnight with breakfast) is shown.
Auswahl ComboZimmerLeistungFuellen(Kontext& k);
// The price of a service for a room and type. A room type, or a service, without
// a price gives 0 and an empty breakfast price; otherwise breakfast is the
// price minus the price of "Ü".
Zimmerpreis ZimmerPreisAbfragen(Kontext& k, int zimmerNr, const QString& zimmerArt,
                                const QString& zimmerleistung);
// Fills all three drop-downs for a choice, with the nights between the dates.
// A room, type or service not in the price list gives way to the list's default.
Hotelansicht AnsichtAktualisieren(Kontext& k, const QDate& anreise, const QDate& abreise,
                                  int zimmerNr, const QString& zimmerArt,
                                  const QString& zimmerleistung);
