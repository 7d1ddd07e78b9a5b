#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

#include "core/Geld.h"
#include "service/Rechnungsspeicher.h"

class Kontext;

// A room stay as the hotel screen holds it. A number field left empty (or
// erased because it held no number) is nullopt.
struct Hotelaufenthalt {
    QDate anreise;
    QDate abreise;
    std::optional<int> zimmerNr;  // none when no room is chosen
    QString zimmerArt;
    QString zimmerleistung;
    std::optional<int> zimmerAnzahl;
    std::optional<int> uebernachtungen;
    std::optional<Geld> zimmerpreis;
    std::optional<Geld> fruehstueckpreis;
    QString zahlungsart;
};

// The payment types in the order the screen offers them; each names its column
// of the stored bill.
inline const QStringList kZahlungsarten{kBar, kKarte, kGutschein};

// Bound of rooms and nights that keeps every product of the bill far inside the
// range of cents; prices have the till's bound.
inline constexpr int kHoechsteAnzahl = 99999;

inline const QString kNegativ =
    QStringLiteral("Anzahl, Übernachtungen und Preise dürfen nicht negativ sein.");
inline const QString kZuGross = QStringLiteral("Die Zahl ist zu groß.");
inline const QString kAbreiseVorAnreise =
    QStringLiteral("Die Abreise darf nicht vor der Anreise liegen.");
inline const QString kAngabenFehlen =
    QStringLiteral("Bitte Anzahl, Übernachtungen und Zimmerpreis eingeben.");
inline const QString kFruehstueckZuTeuer =
    QStringLiteral("Der Frühstückpreis darf nicht höher als der Zimmerpreis sein.");
inline const QString kHotelSteuersatzFehlt =
    QStringLiteral("Für die Hotelabrechnung ist kein gültiger Steuersatz hinterlegt.");

// The owner's VAT rates of overnight stays and of breakfast (Betrieb); none
// unless both are valid.
std::optional<std::pair<int, int>> HotelSteuersaetze(Kontext& k);

enum class Zahlfeld { Anzahl, Preis };

// Reads a whole number as typed (digits, an optional leading minus); nullopt otherwise.
std::optional<int> GanzzahlLesen(const QString& text);

// Checks a number field as the user left it: text that is no number is erased;
// a negative or too large number is refused with a message and erased too.
// Answers the field's text from now on.
QString ZahlfeldPruefen(Kontext& k, const QString& text, Zahlfeld art);

// Room price x nights x rooms, once all three are filled.
std::optional<Geld> Gesamtpreis(const Hotelaufenthalt& aufenthalt);

// Stores the stay as one AbrechnungHotel row. Refuses with a message (and
// stores nothing) a departure before the arrival, missing or negative numbers
// and a breakfast dearer than the room. The bill keeps the VAT rates of
// overnight stays and of breakfast the owner has set in Betrieb; without valid
// ones it is refused too.
bool HotelabrechnungSpeichern(Kontext& k, const Hotelaufenthalt& aufenthalt);
