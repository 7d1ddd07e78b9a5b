#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/Geld.h"
#include "reports/Tabelle.h"

class Kontext;

// The stored bills of a range: ID (hidden), Reg-Nr, Datum, Zeit, Tisch, Station,
// Mitarbeiter, BAR, KARTE, GUTSCHEIN, Beleg, Gesamt. One staff member's in the
// order stored; everybody's by bill number.
Tabelle NurEinKellnerVonBisRechnungen(Kontext& k, const QDate& von, const QDate& bis,
                                      const QString& mitarbeiter);
Tabelle AlleKellnerVonBisRechnungen(Kontext& k, const QDate& von, const QDate& bis);
// What the overview lists when it opens on a day: everybody's bills, the own
// ones, or none, by the logged-in staff member's rights.
Tabelle RechnungenBeimOeffnen(Kontext& k, const QDate& tag);
// "Alle Anzeigen": nullopt, silently, without the right to see every bill.
std::optional<Tabelle> AlleRechnungenAnzeigen(Kontext& k, const QDate& von, const QDate& bis);

// The lines of a bill: ID (hidden), PLU, Menge, Gericht, EPREIS, GPREIS.
Tabelle RechnungDetailsDurchsuchen(Kontext& k, const QString& regNr);

// "Rechnung": reprints the bill as an invoice, with the right "Rechnungen".
void RechnungNachdrucken(Kontext& k, const QString& regNr);

// The payment type of a listed bill from the amounts it used (non-zero ones);
// `bisher` when it used none.
QString ZahlungsartAbleiten(const Tabelle& rechnungen, int zeile, const QString& bisher);

// Records a payment type on the bill and moves its total into the amount
// columns the daily totals and reports read: all to BAR or KARTE, or for a
// voucher its amount to GUTSCHEIN and the rest to BAR. The total stays. Answers
// the bill's row: ID (hidden), Reg-Nr, Datum, Zeit, Tisch, Station,
// Mitarbeiter, Zahlungsart, Beleg, Gesamt.
Tabelle ZahlungsartAendern(Kontext& k, const QString& regNr, const QString& zahlungsart,
                           Geld gutschein = Geld());

// Captions of the payment options, by index.
inline const QStringList kZahlarten = {QStringLiteral("BAR"), QStringLiteral("KARTE"),
                                       QStringLiteral("GUTSCHEIN/BAR")};

// The overview's payment state: current bill, its payment type, chosen option.
struct Zahlartwahl {
    QString regNr;
    QString zahlungsart;
    int option = 0;
};

// Selects the option whose caption is the current payment type, if any.
void Option1Aktualisieren(Zahlartwahl& wahl);

inline const QString kZimmerZahlartFest = QStringLiteral(
    "Diese Rechnung ist auf ein Zimmer gebucht und wird mit der Hotelrechnung "
    "bezahlt. Ihre Zahlungsart kann nicht geändert werden.");

// The user chose option i: needs the right "ZahlartAendern", refuses a bill
// charged to a room, asks, and for a
// voucher asks its number and amount (and, above the bill, whether the change
// was paid out), then records the change. Answers the bill's new row when the
// payment type was changed.
std::optional<Tabelle> ZahlartGewaehlt(Kontext& k, Zahlartwahl& wahl, int option);
