#include "hotel/ReportHotelabrechnung.h"

namespace {

constexpr double kBreite = kBonbreite;
const QString kBetrag = QStringLiteral("####0.00");
const Schrift kText{8, false};
const Schrift kFett{8, true};
const Schrift kTitel{14, true};
const Schrift kSumme{12, true};

// Columns of the amounts: VAT code, unit price (or net), total price (or gross).
const double kCode = 20, kMitte = 34, kRechts = 53, kSpalte = 19;

// A row of three amounts under the columns; the first may be a fixed text.
void betragszeile(Berichtslayout& l, double oben, const QString& code, const QString& einzel,
                  const QString& gesamt, const QString& name) {
    l.bezeichnung(kDetail, QStringLiteral("lblUst") + name, {kCode, oben, kMitte - kCode, 5}, code,
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
    betragszeile(l, 33, QStringLiteral("19%"), QStringLiteral("ZimmerEPÜBrutto"),
                 QStringLiteral("ZimmerGPÜBrutto"), QStringLiteral("19"));
    l.textfeld(kDetail, QStringLiteral("txtTextFruehstueck"), {0, 39, kBreite, 5},
               QStringLiteral("TextFruehstueck"), {}, kText)
        .wachsen = true;
    betragszeile(l, 44, QStringLiteral("7%"), QStringLiteral("ZimmerEPFBrutto"),
                 QStringLiteral("ZimmerGPFBrutto"), QStringLiteral("7"));
    l.linie(kDetail, QStringLiteral("Linie3"), {0, 50.5, kBreite, 0});

    // VAT table: the net amounts arrive as printed text, rounded only there.
    l.bezeichnung(kDetail, QStringLiteral("lblNetto"), {kMitte, 51, kSpalte, 5},
                  QStringLiteral("Netto"), kFett, Ausrichtung::Rechts);
    l.bezeichnung(kDetail, QStringLiteral("lblBrutto"), {kRechts, 51, kSpalte, 5},
                  QStringLiteral("Brutto"), kFett, Ausrichtung::Rechts);
    const struct {
        double oben;
        const char* text;
        const char* satz;
        const char* netto;
        const char* brutto;
    } steuern[] = {{56, "Beträge 19% MSt", "19", "ZimmerGPÜNetto", "ZimmerGPÜBrutto"},
                   {61, "Beträge 7% MSt", "7", "ZimmerGPFNetto", "ZimmerGPFBrutto"}};
    for (const auto& s : steuern) {
        const QString satz = QString::fromUtf8(s.satz);
        l.bezeichnung(kDetail, QStringLiteral("lblBetraege") + satz, {0, s.oben, kMitte, 5},
                      QString::fromUtf8(s.text), kText);
        l.textfeld(kDetail, QStringLiteral("txt") + QString::fromUtf8(s.netto),
                   {kMitte, s.oben, kSpalte, 5}, QString::fromUtf8(s.netto), {}, kText,
                   Ausrichtung::Rechts);
        l.textfeld(kDetail, QStringLiteral("txtMwStBrutto") + satz, {kRechts, s.oben, kSpalte, 5},
                   QString::fromUtf8(s.brutto), kBetrag, kText, Ausrichtung::Rechts);
    }
    l.linie(kDetail, QStringLiteral("Linie4"), {0, 67.5, kBreite, 0});
    l.bereich(kDetail).hoehe = 68;
}

}  // namespace

Berichtslayout ReportHotelabrechnung(const QString& logo) {
    Berichtslayout l(QStringLiteral("Hotelabrechnung"), kBreite);
    kopf(l, logo);
    koerper(l);
    l.bezeichnung(kFuss, QStringLiteral("lblTotal"), {0, 1, 30, 7}, QStringLiteral("Total"),
                  kSumme);
    l.textfeld(kFuss, QStringLiteral("txtSummeGesamt"), {30, 1, 42, 7},
               QStringLiteral("SummeGesamt"), QStringLiteral("Currency"), kSumme,
               Ausrichtung::Rechts);
    // Room below the total so the cutter does not cut through it.
    l.bereich(kFuss).hoehe = 16;
    return l;
}
