#pragma once

#include <QString>
#include <optional>

class Datenbank;
class Kontext;

// The establishment's master data as the back-office panel "Betrieb" shows it:
// the row of Betrieb (printed on receipts and reports, handed to the tax
// auditor) and the settings that belong with it.
struct Betriebsdaten {
    QString name, adresszeile, telefon, steuernummer;
    QString ustIdNr;             // setting "UStIdNr"
    QString kassenseriennummer;  // setting "Kassenseriennummer"; empty: the terminal's name
    QString sicherungsordner;    // where backups go
};

Betriebsdaten BetriebsdatenLesen(Datenbank& db);

// Why the data cannot be stored, if it cannot.
std::optional<QString> BetriebsdatenVerweigert(const Betriebsdaten& d);

// Stores the data in one transaction and journals what changed; a refusal is
// shown and changes nothing. True when stored.
bool BetriebsdatenSpeichern(Kontext& k, const Betriebsdaten& d);

inline const QString kBetriebOhneName =
    QStringLiteral("Bitte geben Sie den Namen des Betriebs ein.");
inline const QString kBetriebGespeichert =
    QStringLiteral("Die Angaben zum Betrieb wurden gespeichert.");
