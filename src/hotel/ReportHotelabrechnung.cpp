#include "hotel/ReportHotelabrechnung.h"

#include "fiskal/Steuerlayout.h"

namespace {

constexpr double kBreite = kBonbreite;
const QString kBetrag = QStringLiteral("####0.00");
const Schrift kText{8, false};
const Schrift kFett{8, true};
const Schrift kTitel{14, true};
const Schrift kSumme{12, true};

// Columns of the amounts: VAT code, unit price, total price.
const double kCode = 20, kMitte = 34, kRechts = 53, kSpalte = 19;
// The VAT table below the stay: rate, net, VAT, gross.
const Steuerspalten kSteuerspalten{{0, 20, 37, 54, kBreite}, 5, kBetrag, false};

// A row of the VAT code and two amounts under the columns.
void betragszeile(Berichtslayout& l, double oben, const QString& code, const QString& einzel,
                  const QString& gesamt) {
    l.textfeld(kDetail, QStringLiteral("txt") + code, {kCode, oben, kMitte - kCode, 5}, code, {},
               kText, Ausrichtung::Mitte);
    l.textfeld(kDetail, QStringLiteral("txt") + einzel, {kMitte, oben, kSpalte, 5}, einzel, kBetrag,
               kText, Ausrichtung::Rechts);
    l.textfeld(kDetail, QStringLiteral("txt") + gesamt, {kRechts, oben, kSpalte, 5}, gesamt,
               kBetrag, kText, Ausrichtung::Rechts);
}

void kopf(Berichtslayout& l, const QString& logo) {
    l.bild(kKopf, QStringLiteral("Symbol1"), {16, 0, 40, 16}, logo);
    l.bezeichnung(kKopf, QStringLiteral("lblName"), {0, 17, kBreite, 6}, {}, {11, true},
                  Ausrichtung::Mitte);
    l.bezeichnung(kKopf, QStringLiteral("lblAdresse"), {0, 23, kBreite, 5}, {}, kText,
                  Ausrichtung::Mitte);
    l.bezeichnung(kKopf, QStringLiteral("lblTitel"), {0, 30, kBreite, 8},
                  QStringLiteral("Hotelabrechnung"), kTitel, Ausrichtung::Mitte);
    l.bezeichnung(kKopf, QStringLiteral("lblDatum"), {0, 38, kBreite, 5}, {}, {9, false},
                  Ausrichtung::Mitte);
    l.bereich(kKopf).hoehe = 46;
}

void koerper(Berichtslayout& l) {
    l.bezeichnung(kDetail, QStringLiteral("lblAnreise"), {0, 0, 24, 5}, QStringLiteral("Anreise:"),
                  kText);
    l.textfeld(kDetail, QStringLiteral("txtAnreise"), {24, 0, 48, 5}, QStringLiteral("Anreise"),
               QStringLiteral("dd.MM.yyyy"), kText);
    l.bezeichnung(kDetail, QStringLiteral("lblAbreise"), {0, 5, 24, 5}, QStringLiteral("Abreise:"),
                  kText);
    l.textfeld(kDetail, QStringLiteral("txtAbreise"), {24, 5, 48, 5}, QStringLiteral("Abreise"),
               QStringLiteral("dd.MM.yyyy"), kText);
    l.linie(kDetail, QStringLiteral("Linie1"), {0, 11.5, kBreite, 0});

    l.bezeichnung(kDetail, QStringLiteral("lblLeistungen"), {0, 12, kBreite, 5},
                  QStringLiteral("Leistungen"), kFett);
    // The heads break at their blank into two lines to fit the narrow columns.
    l.bezeichnung(kDetail, QStringLiteral("lblUstCode"), {kCode, 17, kMitte - kCode, 9},
                  QStringLiteral("Ust- Code"), kFett, Ausrichtung::Mitte)
        .wachsen = true;
    l.bezeichnung(kDetail, QStringLiteral("lblEinzelpreis"), {kMitte, 17, kSpalte, 9},
                  QStringLiteral("Einzel- preis"), kFett, Ausrichtung::Rechts)
        .wachsen = true;
    l.bezeichnung(kDetail, QStringLiteral("lblGesamtpreis"), {kRechts, 17, kSpalte, 9},
                  QStringLiteral("Gesmt- preis"), kFett, Ausrichtung::Rechts)
        .wachsen = true;
    l.linie(kDetail, QStringLiteral("Linie2"), {0, 27, kBreite, 0});

    l.textfeld(kDetail, QStringLiteral("txtTextUerbernachtungen"), {0, 28, kBreite, 5},
               QStringLiteral("TextUerbernachtungen"), {}, kText)
        .wachsen = true;
    betragszeile(l, 33, QStringLiteral("UstUebernachtung"), QStringLiteral("ZimmerEPÜBrutto"),
                 QStringLiteral("ZimmerGPÜBrutto"));
    l.textfeld(kDetail, QStringLiteral("txtTextFruehstueck"), {0, 39, kBreite, 5},
               QStringLiteral("TextFruehstueck"), {}, kText)
        .wachsen = true;
    betragszeile(l, 44, QStringLiteral("UstFruehstueck"), QStringLiteral("ZimmerEPFBrutto"),
                 QStringLiteral("ZimmerGPFBrutto"));
    l.linie(kDetail, QStringLiteral("Linie3"), {0, 50.5, kBreite, 0});
    l.bereich(kDetail).hoehe = 52;
}

}  // namespace

Berichtslayout ReportHotelabrechnung(const QString& logo) {
    Berichtslayout l(QStringLiteral("Hotelabrechnung"), kBreite);
    kopf(l, logo);
    koerper(l);
    SteuerkopfSetzen(l, kSteuerspalten, 0, kFett);
    l.linie(kFuss, QStringLiteral("Linie4"), {0, 5.5, kBreite, 0});
    l.bezeichnung(kFuss, QStringLiteral("lblTotal"), {0, 7, 30, 7}, QStringLiteral("Total"),
                  kSumme);
    l.textfeld(kFuss, QStringLiteral("txtSummeGesamt"), {30, 7, 42, 7},
               QStringLiteral("SummeGesamt"), QStringLiteral("Currency"), kSumme,
               Ausrichtung::Rechts);
    // Room below the total so the cutter does not cut through it.
    l.bereich(kFuss).hoehe = 22;
    return l;
}

void HotelsteuernSetzen(Berichtslayout& layout, const std::vector<Steuerzeile>& zeilen) {
    SteuerzeilenSetzen(layout, kSteuerspalten, zeilen, kText);
}
