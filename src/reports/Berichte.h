#pragma once

#include <QDate>
#include <QString>

#include "ui/bericht/Dokument.h"

class Kontext;

// The manager's reports over a date range (both ends included). The ...Erzeugen
// functions gather the figures and lay the report out, on A4 or on the roll
// as the reports' printer takes it (Berichtspapier); the Bericht... entry
// points show it in the modal preview, from which it is printed.

// Till report from the daily totals; fills the scratch table AbschlussBericht.
Dokument KassenberichtErzeugen(Kontext& k, const QDate& von, const QDate& bis);
void BerichtKasse(Kontext& k, const QDate& von, const QDate& bis);

// Waiter report of every staff member, or of one; fills AktuellesBericht.
Dokument KellnerberichtErzeugen(Kontext& k, const QString& kellner, const QDate& von,
                                const QDate& bis);
void BerichtAlleKellner(Kontext& k, const QDate& von, const QDate& bis);
void BerichtEinKellner(Kontext& k, const QString& kellner, const QDate& von, const QDate& bis);

// Turnover report: one line per date, and the range's turnover per VAT rate
// as the lines of its bills carry it.
Dokument UmsatzberichtErzeugen(Kontext& k, const QDate& von, const QDate& bis);
void BerichtUmsatz(Kontext& k, const QDate& von, const QDate& bis);

// Hotel report: the hotel bills of the range with their sum.
Dokument HotelberichtErzeugen(Kontext& k, const QDate& von, const QDate& bis);
void BerichtHotel(Kontext& k, const QDate& von, const QDate& bis);

// The date line of a report header: one date alone, else "von … bis …".
QString Datumszeile(const QDate& von, const QDate& bis);
