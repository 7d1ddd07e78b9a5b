#include "reports/Rechnungsuebersicht.h"

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "fiskal/Journal.h"
#include "service/Kundenbelege.h"
#include "service/Rechnungsspeicher.h"

namespace {

const QString kListe = QStringLiteral(
    "SELECT ID, RegNr AS \"Reg-Nr\", Datum, Zeit, Tisch, Station, Mitarbeiter, BAR, KARTE, "
    "GUTSCHEIN, Beleg, Gesamt FROM Rechnungsuebersicht WHERE Datum >= ? AND Datum <= ?");

// Bill numbers are whole numbers in the table; the screen keeps them as text.
std::int64_t nummer(const QString& regNr) { return regNr.toLongLong(); }

}  // namespace

Tabelle NurEinKellnerVonBisRechnungen(Kontext& k, const QDate& von, const QDate& bis,
                                      const QString& mitarbeiter) {
    Abfrage a = k.db.abfrage(kListe + QStringLiteral(" AND Mitarbeiter = ? ORDER BY ID"), von, bis,
                             mitarbeiter);
    return TabelleAus(a);
}

Tabelle AlleKellnerVonBisRechnungen(Kontext& k, const QDate& von, const QDate& bis) {
    Abfrage a = k.db.abfrage(kListe + QStringLiteral(" ORDER BY RegNr"), von, bis);
    return TabelleAus(a);
}

Tabelle RechnungenBeimOeffnen(Kontext& k, const QDate& tag) {
    if (RechteAbfrage(k, k.werte.kellner, QStringLiteral("AlleRechnungenAnsehen")))
        return AlleKellnerVonBisRechnungen(k, tag, tag);
    if (RechteAbfrage(k, k.werte.kellner, QStringLiteral("SeineRechnungenAnsehen")))
        return NurEinKellnerVonBisRechnungen(k, tag, tag, k.werte.kellner);
    Abfrage leer = k.db.abfrage(kListe + QStringLiteral(" AND 1 = 0"), tag, tag);
    return TabelleAus(leer);
}

std::optional<Tabelle> AlleRechnungenAnzeigen(Kontext& k, const QDate& von, const QDate& bis) {
    if (!RechteAbfrage(k, k.werte.kellner, QStringLiteral("AlleRechnungenAnsehen")))
        return std::nullopt;
    return AlleKellnerVonBisRechnungen(k, von, bis);
}

Tabelle RechnungDetailsDurchsuchen(Kontext& k, const QString& regNr) {
    Abfrage a = k.db.abfrage(QStringLiteral("SELECT ID, PLU, Menge, Gericht, EPREIS, GPREIS FROM "
                                            "RechnungDetails WHERE RegNr = ? ORDER BY ID"),
                             nummer(regNr));
    return TabelleAus(a);
}

void RechnungNachdrucken(Kontext& k, const QString& regNr) {
    if (!RechtPruefen(k, QStringLiteral("Rechnungen"))) return;
    DruckeRechnungVonUebersichtsrechnung(k, regNr.toInt());
}

QString ZahlungsartAbleiten(const Tabelle& rechnungen, int zeile, const QString& bisher) {
    // Settlement stores 0 in the columns a bill did not use.
    const auto benutzt = [&](const char* spalte) {
        return rechnungen.wert(zeile, QString::fromLatin1(spalte)).toLongLong() != 0;
    };
    if (benutzt("BAR") && !benutzt("GUTSCHEIN")) return kZahlarten[0];
    if (benutzt("KARTE")) return kZahlarten[1];
    if (benutzt("GUTSCHEIN")) return kZahlarten[2];
    return bisher;
}

namespace {

// The bill's total split the way a new payment type pays it.
Zahlungsaufteilung neueAufteilung(Kontext& k, const QString& regNr, const QString& zahlungsart,
                                  Geld gutschein) {
    Abfrage a = k.db.abfrage(
        QStringLiteral(
            "SELECT Gesamt FROM Rechnungsuebersicht WHERE RegNr = ? ORDER BY ID LIMIT 1"),
        nummer(regNr));
    return ZahlungAufteilen(zahlungsart, a.naechste() ? a.geld(0) : Geld(), gutschein);
}

// The guest pays a room charge with the hotel bill, which lists it already.
bool aufsZimmer(Kontext& k, const QString& regNr) {
    Abfrage a = k.db.abfrage(
        QStringLiteral(
            "SELECT ZIMMER FROM Rechnungsuebersicht WHERE RegNr = ? ORDER BY ID LIMIT 1"),
        nummer(regNr));
    return a.naechste() && !a.geld(0).istNull();
}

}  // namespace

Tabelle ZahlungsartAendern(Kontext& k, const QString& regNr, const QString& zahlungsart,
                           Geld gutschein) {
    Transaktion t(k.db);
    const Zahlungsaufteilung teile = neueAufteilung(k, regNr, zahlungsart, gutschein);
    const QString zahlung = QStringLiteral(
        "SELECT Zahlungsart, BAR, KARTE, GUTSCHEIN FROM Rechnungsuebersicht WHERE RegNr = ? "
        "ORDER BY ID LIMIT 1");
    QJsonObject inhalt{{QStringLiteral("Kellner"), k.werte.kellner}};
    if (Abfrage vorher = k.db.abfrage(zahlung, nummer(regNr)); vorher.naechste())
        inhalt.insert(QStringLiteral("Vorher"), ZeileAlsJson(vorher));
    k.db.ausfuehren(QStringLiteral("UPDATE Rechnungsuebersicht SET Zahlungsart = ?, BAR = ?, "
                                   "KARTE = ?, GUTSCHEIN = ? WHERE RegNr = ?"),
                    zahlungsart, teile.bar, teile.karte, teile.gutschein, nummer(regNr));
    if (Abfrage nachher = k.db.abfrage(zahlung, nummer(regNr)); nachher.naechste()) {
        inhalt.insert(QStringLiteral("Nachher"), ZeileAlsJson(nachher));
        JournalAnhaengen(k, kJournalZahlart, inhalt, static_cast<int>(nummer(regNr)));
    }
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT ID, RegNr AS \"Reg-Nr\", Datum, Zeit, Tisch, Station, Mitarbeiter, "
                       "Zahlungsart, Beleg, Gesamt FROM Rechnungsuebersicht WHERE RegNr = ? "
                       "ORDER BY RegNr"),
        nummer(regNr));
    Tabelle zeile = TabelleAus(a);
    t.bestaetigen();
    return zeile;
}

void Option1Aktualisieren(Zahlartwahl& wahl) {
    const int i = kZahlarten.indexOf(wahl.zahlungsart);
    if (i >= 0) wahl.option = i;
}

std::optional<Tabelle> ZahlartGewaehlt(Kontext& k, Zahlartwahl& wahl, int option) {
    const bool gutschein = option == 2;
    QString neu = kZahlarten.at(option);
    if (option == wahl.option) {
        if (!gutschein) return std::nullopt;
        neu += QStringLiteral(".....");  // room for another voucher number
    }
    if (!RechtPruefen(k, QStringLiteral("ZahlartAendern"))) return std::nullopt;
    if (aufsZimmer(k, wahl.regNr)) {
        k.dialoge.meldung(kZimmerZahlartFest);
        return std::nullopt;
    }
    if (!k.dialoge.frage(QStringLiteral("Möchten sie wirklich die Zahlungsart von '") +
                         wahl.zahlungsart + QStringLiteral("' in '") + neu +
                         QStringLiteral("' ändern")))
        return std::nullopt;
    neu = kZahlarten.at(option);
    Geld betrag;
    if (gutschein) {
        const QString nummer =
            k.dialoge
                .eingabe(QStringLiteral("Geben Sie eine Gutschein-Nr. ein und anschließend "
                                        "drücken Sie auf Ok. "),
                         kGutscheinTitel)
                .value_or(QString());
        if (!nummer.isEmpty()) neu += QStringLiteral("  Nr ") + nummer;
        betrag = GutscheinBetragFragen(k);
        if (!RueckgeldBestaetigen(k, neueAufteilung(k, wahl.regNr, neu, betrag)))
            return std::nullopt;
    }
    wahl.option = option;
    wahl.zahlungsart = neu;
    return ZahlungsartAendern(k, wahl.regNr, neu, betrag);
}
