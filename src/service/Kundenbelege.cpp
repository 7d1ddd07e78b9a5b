#include "service/Kundenbelege.h"

#include "core/Kontext.h"
#include "fiskal/Journal.h"
#include "fiskal/Steuertabelle.h"
#include "fiskal/tse/Tsebeleg.h"
#include "service/Beleglayouts.h"
#include "service/Rechnungsspeicher.h"
#include "service/Tischzeilen.h"
#include "ui/Druckziel.h"

namespace {

struct Kopfwerte {
    QString station;
    QString tisch;
    QString kellner;
    Belegnummern nummern;
};

struct Betrieb {
    QString name;
    QString adresse;
    QString steuernummer;
};

Betrieb betriebLesen(Kontext& k) {
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT Name, Adresszeile, Telefon, Steuernummer FROM Betrieb LIMIT 1"));
    if (!a.naechste()) return {};
    QStringList adresse;
    for (const QString& teil : {a.text(1), a.text(2)})
        if (!teil.isEmpty()) adresse << teil;
    return {a.text(0), adresse.join(QLatin1Char('\n')), a.text(3)};
}

// The lines of a document with the VAT mark of each, and its VAT table.
struct Belegzeilen {
    Berichtsdaten daten;
    std::vector<Steuerzeile> steuern;
};

Belegzeilen mitSteuer(Abfrage abfrage) {
    Belegzeilen b{BerichtsdatenAus(abfrage), {}};
    Steuertabelle tabelle;
    for (const Datenzeile& z : b.daten)
        tabelle.hinzufuegen(z.value(QStringLiteral("MwStSatz")).toInt(),
                            Geld(z.value(QStringLiteral("SummeBrutto")).toLongLong()));
    for (Datenzeile& z : b.daten)
        z.insert(QStringLiteral("MwStKennung"),
                 tabelle.kennung(z.value(QStringLiteral("MwStSatz")).toInt()));
    b.steuern = tabelle.zeilen();
    return b;
}

Belegzeilen offeneZeilen(Kontext& k, const QString& tisch) {
    const Tischort ort = OrtAmTisch(k, tisch);
    // Ordered by category and group, so extras follow their line.
    return mitSteuer(k.db.abfrage(
        QStringLiteral("SELECT PLU, Gericht, EPREIS AS Einzelpreis, Menge AS SummeMenge, "
                       "Menge * EPREIS AS SummeBrutto, MwStSatz FROM OffeneTische WHERE ") +
            kOrtBedingung + QStringLiteral(" ORDER BY IDWG, RegID, ID"),
        ort.station, ort.tisch, ort.herkunft));
}

// One row per payment type used, with its amount; a voucher above the bill
// shows the cash paid out as change.
void zahlungSetzen(Berichtslayout& layout, const Zahlungsaufteilung& teile) {
    QStringList arten, betraege;
    const auto zeile = [&](const QString& art, Geld betrag) {
        arten << art;
        betraege << betrag.waehrung();
    };
    if (!teile.gutschein.istNull()) zeile(kGutschein, teile.gutschein);
    if (!teile.karte.istNull()) zeile(kKarte, teile.karte);
    if (!teile.zimmer.istNull()) zeile(kZimmer, teile.zimmer);
    if (teile.bar < Geld()) zeile(kRueckgeld, -teile.bar);
    if (teile.bar > Geld() || arten.isEmpty()) zeile(kBar, teile.bar);
    layout.setzeText(kFuss, QStringLiteral("lblZahlart"), arten.join(QLatin1Char('\n')));
    layout.setzeText(kFuss, QStringLiteral("lblZahlbetrag"), betraege.join(QLatin1Char('\n')));
}

// The header's date: the moment of printing, or the original's on a copy.
struct Belegzeit {
    QDateTime zeitpunkt;
    bool kopie = false;
};

Dokument erzeugen(Kontext& k, Berichtslayout layout, const Belegzeilen& zeilen,
                  const Kopfwerte& kopf, const QString& kellnerzeile, const Belegzeit& zeit,
                  const QJsonObject& tse = {}) {
    SteuertabelleSetzen(layout, zeilen.steuern);
    const Betrieb betrieb = betriebLesen(k);
    layout.setzeText(kKopf, QStringLiteral("lblAdresse"), betrieb.adresse);
    layout.setzeText(kKopf, QStringLiteral("lblDatum"),
                     zeit.zeitpunkt.toString(QStringLiteral("dd.MM.yyyy  HH:mm:ss")));
    if (zeit.kopie) layout.setzeText(kKopf, QStringLiteral("lblKopie"), QStringLiteral("Kopie"));
    layout.setzeText(
        kKopf, QStringLiteral("lblStationUNDTisch"),
        kopf.station + QStringLiteral("  -  ") + QStringLiteral("Tisch: ") + kopf.tisch);
    layout.setzeText(kKopf, QStringLiteral("lblKellner"), kellnerzeile + kopf.kellner);
    if (kopf.nummern.rechnung != 0) {
        layout.setzeText(kKopf, QStringLiteral("lblRechnungNr"),
                         QStringLiteral("Rechnung Nr. %1").arg(kopf.nummern.rechnung));
        layout.setzeText(kKopf, QStringLiteral("lblBelegNr"),
                         QStringLiteral("Beleg-Nr. %1").arg(kopf.nummern.beleg));
    }
    if (layout.titel() == kRechnungBeleg) {
        layout.setzeText(kFuss, QStringLiteral("lblBeleg2"),
                         QStringLiteral("StIDNr. ") + betrieb.steuernummer);
        layout.setzeText(kFuss, QStringLiteral("Bezeichnung2"),
                         zeit.zeitpunkt.date().toString(QStringLiteral("dd.MM.yyyy")));
        layout.setzeText(kFuss, QStringLiteral("Bezeichnung4"), betrieb.name);
    }
    if (!tse.isEmpty()) {
        const Tsebeleg beleg = TsebelegAus(k.db, tse);
        TseblockSetzen(layout, beleg.text, beleg.qr);
    }
    return BerichtErzeugen(layout, zeilen.daten);
}

const QString kEsBedienteSie = QStringLiteral("Es bediente Sie ");

std::optional<Dokument> ausOffenenZeilen(Kontext& k, const QString& tisch, Berichtslayout layout,
                                         const QString& zahlungsart, Geld gutschein,
                                         const Belegnummern& nummern, const QJsonObject& tse) {
    const Belegzeilen zeilen = offeneZeilen(k, tisch);
    if (zeilen.daten.empty()) return std::nullopt;
    Geld gesamt;
    for (const Steuerzeile& z : zeilen.steuern) gesamt += z.brutto;
    zahlungSetzen(layout, ZahlungAufteilen(zahlungsart, gesamt, gutschein));
    const Kopfwerte kopf{k.werte.station, k.werte.tisch, k.werte.kellner, nummern};
    return erzeugen(k, std::move(layout), zeilen, kopf, kEsBedienteSie, {k.jetzt()}, tse);
}

// A copy states how the bill was paid (as changed since, if so) and when it was
// settled. It is journalled in the transaction around the printing, so a copy
// that failed to print leaves no entry.
bool nachdrucken(Kontext& k, int regNr, Berichtslayout layout) {
    Transaktion t(k.db);
    Abfrage rechnung = k.db.abfrage(
        QStringLiteral("SELECT Datum, Zeit, BAR, KARTE, GUTSCHEIN, ZIMMER FROM Rechnungsuebersicht "
                       "WHERE RegNr = ? ORDER BY ID LIMIT 1"),
        regNr);
    if (!rechnung.naechste()) return false;
    const Belegzeilen zeilen = mitSteuer(k.db.abfrage(
        QStringLiteral("SELECT Station, Tisch, Kellner, Gericht, EPREIS AS Einzelpreis, "
                       "Menge AS SummeMenge, Menge * EPREIS AS SummeBrutto, MwStSatz "
                       "FROM RechnungDetails WHERE RegNr = ? ORDER BY ID"),
        regNr));
    if (zeilen.daten.empty()) return false;
    zahlungSetzen(layout, {rechnung.geld(2), rechnung.geld(3), rechnung.geld(4), rechnung.geld(5)});
    const Belegzeit zeit{Kalenderzeit(rechnung.datum(0), QTime::fromString(rechnung.text(1))),
                         true};
    const Datenzeile& erste = zeilen.daten.front();
    const auto beleg = BelegnummerDerRechnung(k.db, regNr);
    const Kopfwerte kopf{erste.value(QStringLiteral("Station")).toString(),
                         erste.value(QStringLiteral("Tisch")).toString(),
                         erste.value(QStringLiteral("Kellner")).toString(),
                         {regNr, beleg.value_or(0)}};
    JournalAnhaengen(k, kJournalNachdruck,
                     {{QStringLiteral("Beleg"), layout.titel()},
                      {QStringLiteral("Beleg-Nr"),
                       beleg ? QJsonValue(static_cast<qint64>(*beleg)) : QJsonValue()},
                      {QStringLiteral("Kellner"), k.werte.kellner}},
                     regNr);
    k.drucker.drucken(erzeugen(k, std::move(layout), zeilen, kopf, kEsBedienteSie, zeit,
                               beleg ? TseDerRechnung(k.db, *beleg) : QJsonObject()));
    t.bestaetigen();
    return true;
}

}  // namespace

std::optional<Dokument> AbrechnungErzeugen(Kontext& k, const QString& tisch,
                                           const QString& zahlungsart, Geld gutschein,
                                           const Belegnummern& nummern, const QJsonObject& tse) {
    return ausOffenenZeilen(k, tisch, ReportAbrechnung(), zahlungsart, gutschein, nummern, tse);
}

std::optional<Dokument> RechnungErzeugen(Kontext& k, const QString& tisch,
                                         const QString& zahlungsart, Geld gutschein,
                                         const Belegnummern& nummern, const QJsonObject& tse) {
    return ausOffenenZeilen(k, tisch, ReportRechnung(), zahlungsart, gutschein, nummern, tse);
}

bool Abrechnung(Kontext& k, const QString& tisch, const QString& art) {
    const auto dokument = AbrechnungErzeugen(k, tisch, kBar, Geld());
    if (!dokument) return false;
    if (art == kKassenbon) k.drucker.drucken(*dokument);
    return true;
}

bool Rechnung(Kontext& k, const QString& tisch) {
    const auto dokument = RechnungErzeugen(k, tisch, kBar, Geld());
    if (!dokument) return false;
    k.drucker.drucken(*dokument);
    return true;
}

bool Zwischensumme(Kontext& k) {
    const Belegzeilen zeilen = offeneZeilen(k, k.werte.tisch);
    if (zeilen.daten.empty()) return false;
    const Kopfwerte kopf{k.werte.station, k.werte.tisch, k.werte.kellner, {}};
    k.drucker.drucken(
        erzeugen(k, ReportZwischensumme(), zeilen, kopf, QStringLiteral("Kellner: "), {k.jetzt()}));
    return true;
}

bool DruckeKassenbonVonUebersichtsrechnung(Kontext& k, int regNr) {
    return nachdrucken(k, regNr, ReportAbrechnung());
}

bool DruckeRechnungVonUebersichtsrechnung(Kontext& k, int regNr) {
    return nachdrucken(k, regNr, ReportRechnung());
}
