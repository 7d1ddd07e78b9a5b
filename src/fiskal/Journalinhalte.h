#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

class Datenbank;
class Kontext;

// The contents of the journal's entries, read from the rows the event has
// just written (or is about to remove). Amounts are whole cents, VAT rates
// hundredths of a percent.

// A stored bill: its row of Rechnungsuebersicht (RegNr, Geschaeftstag, Zeit,
// Station, Tisch, Mitarbeiter, Beleg, Gesamt, BAR, KARTE, GUTSCHEIN, ZIMMER), the
// payment type as chosen and its lines under "Zeilen" (PLU, Gericht, Menge,
// EPREIS, GPREIS, MwStSatz, Kellner, Datum, Zeit).
QJsonObject Rechnungsinhalt(Datenbank& db, int regNr, const QString& zahlungsart);

// An open line, with `menge` of it as the quantity concerned (all of it by
// default), under "Posten", and the staff member who acts under "Kellner".
QJsonObject Posteninhalt(Kontext& k, std::int64_t zeilenId,
                         std::optional<std::int64_t> menge = std::nullopt);

// What a till closing closes: every stored bill. Number of bills, total,
// the amounts per payment type (BAR, KARTE, GUTSCHEIN, ZIMMER) and the gross amount
// per VAT rate under "Steuersaetze" (MwStSatz, Brutto).
QJsonObject Abschlussinhalt(Datenbank& db);

// A back-office change: the rows of `tabelle` whose `spalte` is one of the
// two keys, before and after. Columns that hold secrets (PINs, the admin key)
// are left out.
class Stammdatenaenderung {
  public:
    Stammdatenaenderung(Datenbank& db, QString tabelle, QString spalte, QVariant schluessel,
                        QVariant zweiterSchluessel = {});
    // Appends the change to the journal when the rows differ from before.
    void journalieren(Kontext& k, const QString& art);

  private:
    QJsonArray lesen() const;

    Datenbank& m_db;
    QString m_tabelle, m_spalte;
    QVariant m_schluessel, m_zweiter;
    QJsonArray m_vorher;
};
