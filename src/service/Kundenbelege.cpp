#include "service/Kundenbelege.h"

#include "core/Kontext.h"
#include "service/Beleglayouts.h"
#include "service/Rechnungsspeicher.h"
#include "ui/Druckziel.h"

namespace {

// Receipts state 19 % whatever the station: the rate of eat-in turnover.
constexpr int kMwStProzent = 19;

struct Kopfwerte {
    QString station;
    QString tisch;
    QString kellner;
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

// Net and VAT per line, unrounded; the engine sums them and rounds when printing.
Berichtsdaten mitSteuer(Abfrage abfrage) {
    Berichtsdaten daten = BerichtsdatenAus(abfrage);
    for (Datenzeile& z : daten) {
        const Geld brutto(z.value(QStringLiteral("SummeBrutto")).toLongLong());
        const double netto = Geld::netto(brutto, kMwStProzent);
        z.insert(QStringLiteral("SummeNetto"), netto);
        z.insert(QStringLiteral("SummeMwSt"), static_cast<double>(brutto.cent()) - netto);
    }
    return daten;
}

Berichtsdaten offeneZeilen(Kontext& k, const QString& tisch) {
    // Ordered by category and group, so extras follow their line.
    return mitSteuer(k.db.abfrage(
        QStringLiteral("SELECT PLU, Gericht, EPREIS AS Einzelpreis, Menge AS SummeMenge, "
                       "Menge * EPREIS AS SummeBrutto FROM OffeneTische WHERE Station = ? AND "
                       "Tisch = ? ORDER BY IDWG, RegID, ID"),
        k.werte.station, tisch));
}

Dokument erzeugen(Kontext& k, Berichtslayout layout, const Berichtsdaten& daten,
                  const Kopfwerte& kopf, const QString& kellnerzeile) {
    const Betrieb betrieb = betriebLesen(k);
    const QDateTime jetzt = k.jetzt();
    layout.setzeText(kKopf, QStringLiteral("lblAdresse"), betrieb.adresse);
    layout.setzeText(kKopf, QStringLiteral("lblDatum"),
                     jetzt.toString(QStringLiteral("dd.MM.yyyy  HH:mm:ss")));
    layout.setzeText(kKopf, QStringLiteral("lblStationUNDTisch"),
                     kopf.station + QStringLiteral("  -  ") + QStringLiteral("Tisch: ") + kopf.tisch);
    layout.setzeText(kKopf, QStringLiteral("lblKellner"), kellnerzeile + kopf.kellner);
    if (layout.titel() == kRechnungBeleg) {
        layout.setzeText(kFuss, QStringLiteral("lblBeleg2"),
                         QStringLiteral("StIDNr. ") + betrieb.steuernummer);
        layout.setzeText(kFuss, QStringLiteral("Bezeichnung2"),
                         jetzt.date().toString(QStringLiteral("dd.MM.yyyy")));
        layout.setzeText(kFuss, QStringLiteral("Bezeichnung4"), betrieb.name);
    }
    return BerichtErzeugen(layout, daten);
}

const QString kEsBedienteSie = QStringLiteral("Es bediente Sie ");

std::optional<Dokument> ausOffenenZeilen(Kontext& k, const QString& tisch,
                                         Berichtslayout layout) {
    const Berichtsdaten daten = offeneZeilen(k, tisch);
    if (daten.empty()) return std::nullopt;
    const Kopfwerte kopf{k.werte.station, k.werte.tisch, k.werte.kellner};
    return erzeugen(k, std::move(layout), daten, kopf, kEsBedienteSie);
}

bool nachdrucken(Kontext& k, int regNr, Berichtslayout layout) {
    const Berichtsdaten daten = mitSteuer(k.db.abfrage(
        QStringLiteral("SELECT Station, Tisch, Kellner, Gericht, EPREIS AS Einzelpreis, "
                       "Menge AS SummeMenge, Menge * EPREIS AS SummeBrutto FROM RechnungDetails "
                       "WHERE RegNr = ? ORDER BY ID"),
        regNr));
    if (daten.empty()) return false;
    const Datenzeile& erste = daten.front();
    const Kopfwerte kopf{erste.value(QStringLiteral("Station")).toString(),
                         erste.value(QStringLiteral("Tisch")).toString(),
                         erste.value(QStringLiteral("Kellner")).toString()};
    k.drucker.drucken(erzeugen(k, std::move(layout), daten, kopf, kEsBedienteSie));
    return true;
}

}  // namespace

std::optional<Dokument> AbrechnungErzeugen(Kontext& k, const QString& tisch) {
    return ausOffenenZeilen(k, tisch, ReportAbrechnung());
}

std::optional<Dokument> RechnungErzeugen(Kontext& k, const QString& tisch) {
    return ausOffenenZeilen(k, tisch, ReportRechnung());
}

bool Abrechnung(Kontext& k, const QString& tisch, const QString& art) {
    const auto dokument = AbrechnungErzeugen(k, tisch);
    if (!dokument) return false;
    if (art == kKassenbon) k.drucker.drucken(*dokument);
    return true;
}

bool Rechnung(Kontext& k, const QString& tisch) {
    const auto dokument = RechnungErzeugen(k, tisch);
    if (!dokument) return false;
    k.drucker.drucken(*dokument);
    return true;
}

bool Zwischensumme(Kontext& k) {
    const Berichtsdaten daten = offeneZeilen(k, k.werte.tisch);
    if (daten.empty()) return false;
    const Kopfwerte kopf{k.werte.station, k.werte.tisch, k.werte.kellner};
    k.drucker.drucken(
        erzeugen(k, ReportZwischensumme(), daten, kopf, QStringLiteral("Kellner: ")));
    return true;
}

bool DruckeKassenbonVonUebersichtsrechnung(Kontext& k, int regNr) {
    return nachdrucken(k, regNr, ReportAbrechnung());
}

bool DruckeRechnungVonUebersichtsrechnung(Kontext& k, int regNr) {
    return nachdrucken(k, regNr, ReportRechnung());
}
