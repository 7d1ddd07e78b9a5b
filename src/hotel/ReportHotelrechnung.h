#pragma once

#include <QDate>
#include <QJsonObject>
#include <QString>

#include "fiskal/tse/Tsebeleg.h"
#include "ui/bericht/Dokument.h"

// What the hotel bill prints besides its stored content: the establishment,
// the guest's address and the invoice date.
struct Hotelrechnungskopf {
    QString betrieb;  // name
    QString betriebAdresse;
    QString steuerangabe;  // "USt-IdNr. …" or "Steuernummer …"
    QString gastAdresse;
    QDate datum;
    bool kopie = false;
    Tsebeleg tse;  // empty for a bill the device did not sign
};

// The hotel bill on A4 from its journal content (Rechnungsnr, Gast, Anreise,
// Abreise, Gesamt, Zahlungsart, Steuersaetze, Zeilen): the nights, breakfasts
// and restaurant charges with their VAT code, the VAT table over all of them,
// the total and how it was paid, and the TSE block with its QR code.
Dokument HotelrechnungDrucken(const QJsonObject& inhalt, const Hotelrechnungskopf& kopf);
