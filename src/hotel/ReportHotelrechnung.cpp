#include "hotel/ReportHotelrechnung.h"

#include <QJsonArray>

#include "core/Geld.h"
#include "fiskal/Steuerlayout.h"
#include "fiskal/Steuertabelle.h"
#include "service/Beleglayouts.h"

namespace {

constexpr double kBreite = kA4Breite;
const Schrift kText{10, false};
const Schrift kFett{10, true};
const QString kWaehrung = QStringLiteral("Currency");
const QString kDatum = QStringLiteral("dd.MM.yyyy");

// Columns of a line: text, VAT code, quantity, unit price, total.
const double kCode = 106, kMenge = 116, kEinzel = 132, kGesamt = 162, kSpalte = 28;
const Steuerspalten kSteuerspalten{{60, 100, 130, 160, kBreite}, 6, kWaehrung, true};

void kopfband(Berichtslayout& l) {
    l.bild(kKopf, QStringLiteral("Symbol1"), {0, 0, 40, 20}, LogoDatei());
    l.bezeichnung(kKopf, QStringLiteral("lblName"), {45, 0, kBreite - 45, 7}, {}, {13, true},
                  Ausrichtung::Rechts);
    l.bezeichnung(kKopf, QStringLiteral("lblAdresse"), {45, 7, kBreite - 45, 5}, {}, kText,
                  Ausrichtung::Rechts);
    l.bezeichnung(kKopf, QStringLiteral("lblSteuer"), {45, 12, kBreite - 45, 5}, {}, kText,
                  Ausrichtung::Rechts);
    l.bezeichnung(kKopf, QStringLiteral("lblGast"), {0, 28, 100, 6}, {}, kFett);
    l.bezeichnung(kKopf, QStringLiteral("lblGastAdresse"), {0, 34, 100, 5}, {}, kText).wachsen =
        true;
    l.bezeichnung(kKopf, QStringLiteral("lblTitel"), {0, 52, 130, 9}, {}, {16, true});
    l.bezeichnung(kKopf, QStringLiteral("lblKopie"), {130, 52, kBreite - 130, 9}, {}, {14, true},
                  Ausrichtung::Rechts);
    l.bezeichnung(kKopf, QStringLiteral("lblDatum"), {0, 62, kBreite, 5}, {}, kText);
    l.bezeichnung(kKopf, QStringLiteral("lblAufenthalt"), {0, 67, kBreite, 5}, {}, kText);
    const auto spalte = [&](const char* name, double x, double w, const char* text, Ausrichtung a) {
        l.bezeichnung(kKopf, QString::fromUtf8(name), {x, 76, w, 6}, QString::fromUtf8(text), kFett,
                      a);
    };
    spalte("lblLeistungen", 0, kCode, "Leistungen", Ausrichtung::Links);
    spalte("lblUstCode", kCode, kMenge - kCode, "USt", Ausrichtung::Mitte);
    spalte("lblMenge", kMenge, kEinzel - kMenge, "Menge", Ausrichtung::Rechts);
    spalte("lblEinzelpreis", kEinzel, kSpalte, "Einzelpreis", Ausrichtung::Rechts);
    spalte("lblGesamtpreis", kGesamt, kSpalte, "Gesamtpreis", Ausrichtung::Rechts);
    l.linie(kKopf, QStringLiteral("Linie1"), {0, 82.5, kBreite, 0});
    l.bereich(kKopf).hoehe = 84;
}

void detailband(Berichtslayout& l) {
    l.textfeld(kDetail, QStringLiteral("txtText"), {0, 0, kCode - 2, 5.5}, QStringLiteral("Text"),
               {}, kText)
        .wachsen = true;
    l.textfeld(kDetail, QStringLiteral("txtKennung"), {kCode, 0, kMenge - kCode, 5.5},
               QStringLiteral("MwStKennung"), {}, kText, Ausrichtung::Mitte);
    l.textfeld(kDetail, QStringLiteral("txtMenge"), {kMenge, 0, kEinzel - kMenge, 5.5},
               QStringLiteral("Menge"), {}, kText, Ausrichtung::Rechts);
    l.textfeld(kDetail, QStringLiteral("txtEPREIS"), {kEinzel, 0, kSpalte, 5.5},
               QStringLiteral("EPREIS"), kWaehrung, kText, Ausrichtung::Rechts);
    l.textfeld(kDetail, QStringLiteral("txtGPREIS"), {kGesamt, 0, kSpalte, 5.5},
               QStringLiteral("GPREIS"), kWaehrung, kText, Ausrichtung::Rechts);
    l.bereich(kDetail).hoehe = 6;
}

void fussband(Berichtslayout& l) {
    l.linie(kFuss, QStringLiteral("Linie2"), {0, 1, kBreite, 0});
    l.bezeichnung(kFuss, QStringLiteral("lblTotal"), {100, 3, 40, 8}, QStringLiteral("Total"),
                  {13, true});
    l.bezeichnung(kFuss, QStringLiteral("lblSumme"), {140, 3, kBreite - 140, 8}, {}, {13, true},
                  Ausrichtung::Rechts);
    l.bezeichnung(kFuss, QStringLiteral("lblZahlungsart"), {0, 3, 100, 8}, {}, kText);
    SteuerkopfSetzen(l, kSteuerspalten, 14, kFett);
    l.bereich(kFuss).hoehe = 24;
}

}  // namespace

Dokument HotelrechnungDrucken(const QJsonObject& inhalt, const Hotelrechnungskopf& kopf) {
    Berichtslayout l(QStringLiteral("Hotelrechnung"), kBreite, kA4Hoehe);
    kopfband(l);
    detailband(l);
    fussband(l);

    Steuertabelle steuern;
    for (const QJsonValue s : inhalt.value(QStringLiteral("Steuersaetze")).toArray())
        steuern.hinzufuegen(s[QStringLiteral("MwStSatz")].toInt(),
                            Geld(s[QStringLiteral("Brutto")].toInteger()));
    Berichtsdaten daten;
    for (const QJsonValue z : inhalt.value(QStringLiteral("Zeilen")).toArray()) {
        Datenzeile zeile = z.toObject().toVariantMap();
        zeile.insert(QStringLiteral("MwStKennung"),
                     steuern.kennung(z[QStringLiteral("MwStSatz")].toInt()));
        daten.push_back(zeile);
    }
    SteuerzeilenSetzen(l, kSteuerspalten, steuern.zeilen(), kText);

    const auto datum = [&](const char* schluessel) {
        return QDate::fromString(inhalt.value(QString::fromUtf8(schluessel)).toString(),
                                 Qt::ISODate)
            .toString(kDatum);
    };
    l.setzeText(kKopf, QStringLiteral("lblName"), kopf.betrieb);
    l.setzeText(kKopf, QStringLiteral("lblAdresse"), kopf.betriebAdresse);
    l.setzeText(kKopf, QStringLiteral("lblSteuer"), kopf.steuerangabe);
    l.setzeText(kKopf, QStringLiteral("lblGast"), inhalt.value(QStringLiteral("Gast")).toString());
    l.setzeText(kKopf, QStringLiteral("lblGastAdresse"), kopf.gastAdresse);
    l.setzeText(kKopf, QStringLiteral("lblTitel"),
                QStringLiteral("Hotelrechnung Nr. %1")
                    .arg(inhalt.value(QStringLiteral("Rechnungsnr")).toInt()));
    if (kopf.kopie) l.setzeText(kKopf, QStringLiteral("lblKopie"), QStringLiteral("Kopie"));
    l.setzeText(kKopf, QStringLiteral("lblDatum"),
                QStringLiteral("Rechnungsdatum: ") + kopf.datum.toString(kDatum));
    l.setzeText(kKopf, QStringLiteral("lblAufenthalt"),
                QStringLiteral("Aufenthalt: ") + datum("Anreise") + QStringLiteral(" – ") +
                    datum("Abreise"));
    l.setzeText(kFuss, QStringLiteral("lblSumme"),
                Geld(inhalt.value(QStringLiteral("Gesamt")).toInteger()).waehrung());
    l.setzeText(
        kFuss, QStringLiteral("lblZahlungsart"),
        QStringLiteral("Bezahlt: ") + inhalt.value(QStringLiteral("Zahlungsart")).toString());
    if (!kopf.tse.text.isEmpty()) TseblockSetzen(l, kopf.tse.text, kopf.tse.qr);
    return BerichtErzeugen(l, daten);
}
