#pragma once

#include <QString>
#include <optional>

#include "core/Geld.h"
#include "hotel/Gaeste.h"
#include "ui/bericht/Dokument.h"

class Kontext;

// A restaurant bill charged to a guest's room: settled with the payment type
// "ZIMMER" + the room number, it is not cash; the guest pays it with the hotel
// bill at check-out.

// The payment type shown and stored for a charge to a room: "ZIMMER 101".
QString ZimmerZahlungsart(int zimmerNr);
// The room of such a payment type; nullopt for any other payment type.
std::optional<int> ZimmerDerZahlungsart(const QString& zahlungsart);

inline const QString kZimmernummerFrage = QStringLiteral("Bitte Zimmernummer eingeben");
inline const QString kKeineZimmernummer = QStringLiteral("Bitte eine Zimmernummer eingeben.");

// "Zimmerbelastung Zimmer 101 – Gast: <name>"
QString ZimmerbelastungText(const Hausgast& gast);

// Asks the room on the numeric pad and shows its guest to confirm. nullopt when
// cancelled, not confirmed or refused (with the reason: no number, a room not
// known, free, or its guest checked out).
std::optional<Hausgast> ZimmerWaehlen(Kontext& k);

// Links the stored bill to the stay: one charge per VAT rate of its lines, so
// the hotel bill can state the VAT of everything it collects. Inside the
// settlement's transaction.
void ZimmerBelasten(Kontext& k, const Hausgast& gast, int regNr);

// The slip the guest signs: the charge, the bill number, the amount and a line
// for the signature.
Dokument ZimmerbelegErzeugen(Kontext& k, const Hausgast& gast, int regNr, Geld betrag);
