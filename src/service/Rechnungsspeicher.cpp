#include "service/Rechnungsspeicher.h"

#include "core/Kontext.h"
#include "core/Zaehler.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalinhalte.h"
#include "fiskal/tse/Tsebuchung.h"
#include "service/Tischzeilen.h"

Zahlungsaufteilung ZahlungAufteilen(const QString& zahlungsart, Geld gesamt, Geld gutschein) {
    if (zahlungsart == kKarte) return {Geld(), gesamt, Geld(), Geld()};
    if (zahlungsart.startsWith(kGutschein)) return {gesamt - gutschein, Geld(), gutschein, Geld()};
    if (zahlungsart.startsWith(kZimmer)) return {Geld(), Geld(), Geld(), gesamt};
    return {gesamt, Geld(), Geld(), Geld()};
}

QString GutscheinUeberschrift(const Gutschein& gutschein) {
    if (gutschein.nummer.isEmpty()) return kGutschein;
    return kGutschein + QStringLiteral("  Nr ") + gutschein.nummer;
}

Gutschein GutscheinFragen(Kontext& k) {
    Gutschein g;
    g.nummer = k.dialoge.eingabe(kGutscheinNrFrage, kGutscheinTitel).value_or(QString()).trimmed();
    g.betrag = GutscheinBetragFragen(k);
    return g;
}

Geld GutscheinBetragFragen(Kontext& k) {
    for (;;) {
        const QString text =
            k.dialoge.eingabe(kGutscheinBetragFrage, kGutscheinTitel).value_or(QString()).trimmed();
        if (text.isEmpty()) return Geld();
        const auto betrag = Geld::lesen(text);
        if (betrag && *betrag >= Geld()) return *betrag;
        k.dialoge.meldung(kGutscheinBetragFalsch);
    }
}

bool RueckgeldBestaetigen(Kontext& k, const Zahlungsaufteilung& teile) {
    if (teile.bar >= Geld()) return true;
    return k.dialoge.frage(QStringLiteral("Der Gutschein ist höher als die Rechnung. Haben Sie "
                                          "%1 Rückgeld ausgezahlt?")
                               .arg((-teile.bar).waehrung()),
                           kRueckgeld);
}

Belegnummern BelegnummernVorhalten(Datenbank& db) {
    ZaehlerSperren(db, kZaehlerJournal);
    return {static_cast<int>(ZaehlerStand(db, kZaehlerRechnung)) + 1, JournalStand(db).nr};
}

std::optional<int> RechnungDetails(Kontext& k, const QString& tisch, const QString& zahlungsart,
                                   const Gutschein& gutschein, const QString& beleg,
                                   const QJsonObject& tse) {
    Transaktion t(k.db);
    ZaehlerSperren(k.db, kZaehlerJournal);
    const Tischort ort = OrtAmTisch(k, tisch);
    const QString zeilen = QStringLiteral(" FROM OffeneTische WHERE ") + kOrtBedingung;
    Abfrage summe =
        k.db.abfrage(QStringLiteral("SELECT COUNT(*), COALESCE(SUM(GPREIS), 0)") + zeilen,
                     ort.station, ort.tisch, ort.herkunft);
    summe.naechste();
    if (summe.zahl(0) == 0) return std::nullopt;
    const Geld gesamt = summe.geld(1);

    const int regNr = static_cast<int>(ZaehlerWeiter(k.db, kZaehlerRechnung));

    k.db.ausfuehren(
        QStringLiteral("INSERT INTO RechnungDetails (RegNr, Station, Tisch, Kellner, IDWG, WG, "
                       "Stationsdrucker, Bondrucker, Menge, PLU, Gericht, EPREIS, GPREIS, Datum, "
                       "Zeit, MwStSatz) SELECT ?, Station, ?, ?, IDWG, WG, Stationsdrucker, "
                       "Bondrucker, Menge, PLU, Gericht, EPREIS, GPREIS, Datum, Zeit, MwStSatz") +
            zeilen + QStringLiteral(" ORDER BY ID"),
        regNr, k.werte.tisch, k.werte.kellner, ort.station, ort.tisch, ort.herkunft);
    k.db.ausfuehren(QStringLiteral("DELETE") + zeilen, ort.station, ort.tisch, ort.herkunft);

    const QDateTime jetzt = k.jetzt();
    const Zahlungsaufteilung teile = ZahlungAufteilen(zahlungsart, gesamt, gutschein.betrag);
    k.db.ausfuehren(
        QStringLiteral("INSERT INTO Rechnungsuebersicht (RegNr, Datum, Zeit, Station, Mitarbeiter, "
                       "Tisch, BAR, KARTE, GUTSCHEIN, ZIMMER, Beleg, Gesamt, Kasse) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        regNr, Geschaeftstag(jetzt), jetzt.time().toString(QStringLiteral("HH:mm:ss")),
        k.werte.station, k.werte.kellner, k.werte.tisch, teile.bar, teile.karte, teile.gutschein,
        teile.zimmer, beleg, gesamt, Kassenname());
    QJsonObject inhalt = Rechnungsinhalt(k.db, regNr, zahlungsart);
    TseAnfuegen(inhalt, tse);
    JournalAnhaengen(k, kJournalRechnung, inhalt, regNr);
    t.bestaetigen();
    return regNr;
}
