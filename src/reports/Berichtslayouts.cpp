#include "reports/Berichtslayouts.h"

#include "fiskal/Steuerlayout.h"
#include "service/Beleglayouts.h"

namespace {

constexpr double kBreite = kA4Breite;
constexpr double kSeite = kA4Hoehe;

const Schrift kKlein{9, false};
const Schrift kNormal{11, false};
const Schrift kFett{11, true};
const Schrift kTitel{20, true};
const QString kWaehrung = QStringLiteral("Currency");

Berichtslayout mitKopf(const QString& titel) {
    Berichtslayout l(titel, kBreite, kSeite);
    l.bild(kKopf, QStringLiteral("Symbol1"), {kBreite / 2 - 25, 0, 50, 25}, LogoDatei());
    l.bezeichnung(kKopf, QStringLiteral("lblAdresse"), {0, 27, kBreite, 6}, {}, kKlein,
                  Ausrichtung::Mitte);
    l.bezeichnung(kKopf, QStringLiteral("lblTagesumsatz"), {0, 35, kBreite, 11}, titel, kTitel,
                  Ausrichtung::Mitte);
    l.bezeichnung(kKopf, QStringLiteral("lblDatum"), {0, 47, kBreite, 7}, {}, kNormal,
                  Ausrichtung::Mitte);
    l.bereich(kKopf).hoehe = 60;
    return l;
}

// A caption on the left, a bound amount on the right, at height y of the band.
void zeile(Berichtslayout& l, const QString& bereich, double y, const QString& bezeichnung,
           const QString& text, const QString& feld, const QString& spalte, const QString& format,
           Schrift schrift = kNormal) {
    l.bezeichnung(bereich, bezeichnung, {20, y, 90, 7}, text, schrift);
    l.textfeld(bereich, feld, {110, y, 60, 7}, spalte, format, schrift, Ausrichtung::Rechts);
}

void summenfuss(Berichtslayout& l) {
    l.linie(kFuss, QStringLiteral("Linie2"), {20, 2, 150, 0});
    l.bezeichnung(kFuss, QStringLiteral("lblTotal"), {20, 4, 90, 8}, QStringLiteral("TOTAL"),
                  kFett);
    l.bezeichnung(kFuss, QStringLiteral("lblSummeBrutto"), {110, 4, 60, 8}, {}, kFett,
                  Ausrichtung::Rechts);
    l.bereich(kFuss).hoehe = 14;
}

// The VAT table below the days: rate, net, VAT and gross of the whole range.
const Steuerspalten kSteuerspalten{{10, 60, 100, 140, 180}, 7, kWaehrung, false};

}  // namespace

Berichtslayout ReportKassenbericht() {
    Berichtslayout l = mitKopf(QStringLiteral("Kassenbericht"));
    zeile(l, kDetail, 0, QStringLiteral("lblStation1"), QStringLiteral("Gastraum + Biergarten"),
          QStringLiteral("txtStation1"), QStringLiteral("Lokal"), kWaehrung);
    zeile(l, kDetail, 8, QStringLiteral("lblStation2"), QStringLiteral("Außer Haus"),
          QStringLiteral("txtStation2"), QStringLiteral("AußerHaus"), kWaehrung);
    l.linie(kDetail, QStringLiteral("Linie1"), {20, 17, 150, 0});
    zeile(l, kDetail, 19, QStringLiteral("lblBAR"), QStringLiteral("Summe <BAR>"),
          QStringLiteral("txtBAR"), QStringLiteral("BAR"), kWaehrung);
    zeile(l, kDetail, 27, QStringLiteral("lblKARTE"), QStringLiteral("Summe <KARTE>"),
          QStringLiteral("txtKARTE"), QStringLiteral("KARTE"), kWaehrung);
    // Charged to rooms: paid with the hotel bill, so neither cash nor card here.
    zeile(l, kDetail, 35, QStringLiteral("lblZIMMER"), QStringLiteral("Summe <Zimmer>"),
          QStringLiteral("txtZIMMER"), QStringLiteral("ZIMMER"), kWaehrung);
    l.bereich(kDetail).hoehe = 44;
    summenfuss(l);
    return l;
}

Berichtslayout ReportKellnerBericht() {
    Berichtslayout l = mitKopf(QStringLiteral("Kellnerbericht"));
    const QString format = QStringLiteral("#####0.00");
    zeile(l, kDetail, 0, QStringLiteral("lblKellner"), QStringLiteral("Kellner :"),
          QStringLiteral("txtKellner"), QStringLiteral("Kellner"), {}, kFett);
    zeile(l, kDetail, 8, QStringLiteral("lblOffen"), QStringLiteral("Offene Rechnungen"),
          QStringLiteral("txtOffen"), QStringLiteral("Offen"), format);
    zeile(l, kDetail, 15, QStringLiteral("lblKassiert"), QStringLiteral("Kassiert"),
          QStringLiteral("txtKassiert"), QStringLiteral("Kassiert"), format);
    zeile(l, kDetail, 22, QStringLiteral("lblZimmer"), QStringLiteral("Zimmer"),
          QStringLiteral("txtZimmer"), QStringLiteral("Zimmer"), format);
    zeile(l, kDetail, 29, QStringLiteral("lblStorno"), QStringLiteral("Stornos"),
          QStringLiteral("txtStorno"), QStringLiteral("Stornos"), format);
    l.linie(kDetail, QStringLiteral("Linie1"), {20, 38, 150, 0});
    l.bereich(kDetail).hoehe = 41;
    summenfuss(l);
    return l;
}

Berichtslayout ReportUmsatzbericht() {
    Berichtslayout l = mitKopf(QStringLiteral("Umsatzbericht"));
    const auto spalte = [&](const QString& name, double x, double w, const QString& text,
                            Ausrichtung a) {
        l.bezeichnung(kKopf, name, {x, 58, w, 7}, text, kFett, a);
    };
    spalte(QStringLiteral("lblTag"), 10, 35, QStringLiteral("Tag"), Ausrichtung::Links);
    spalte(QStringLiteral("lblDatumSpalte"), 45, 35, QStringLiteral("Datum"), Ausrichtung::Links);
    spalte(QStringLiteral("lblLokal"), 90, 40, QStringLiteral("Lokal"), Ausrichtung::Rechts);
    spalte(QStringLiteral("lblAusserHaus"), 140, 40, QStringLiteral("Außer Haus"),
           Ausrichtung::Rechts);
    l.linie(kKopf, QStringLiteral("Linie1"), {10, 66, 170, 0});
    l.bereich(kKopf).hoehe = 68;

    l.textfeld(kDetail, QStringLiteral("txtTag"), {10, 0, 35, 6}, QStringLiteral("Tag"),
               QStringLiteral("dddd"), kNormal);
    l.textfeld(kDetail, QStringLiteral("txtDatum"), {45, 0, 35, 6}, QStringLiteral("Datum"),
               QStringLiteral("dd.MM.yyyy"), kNormal);
    l.textfeld(kDetail, QStringLiteral("txtLokal"), {90, 0, 40, 6}, QStringLiteral("SummeLokal"),
               kWaehrung, kNormal, Ausrichtung::Rechts);
    l.textfeld(kDetail, QStringLiteral("txtAusserHaus"), {140, 0, 40, 6},
               QStringLiteral("SummeAusserHaus"), kWaehrung, kNormal, Ausrichtung::Rechts);
    l.bereich(kDetail).hoehe = 6.5;

    l.linie(kFuss, QStringLiteral("Linie2"), {10, 1, 170, 0});
    SteuerkopfSetzen(l, kSteuerspalten, 3, kFett);
    l.linie(kFuss, QStringLiteral("Linie3"), {10, 12, 170, 0});
    l.bezeichnung(kFuss, QStringLiteral("lblGesamtumsatz"), {10, 14, 60, 8},
                  QStringLiteral("Gesamtumsatz"), kFett);
    l.funktion(kFuss, QStringLiteral("FunktionBrutto"), {140, 14, 40, 8}, QStringLiteral("Gesamt"),
               kWaehrung, kFett);
    l.bereich(kFuss).hoehe = 24;
    return l;
}

void UmsatzsteuernSetzen(Berichtslayout& layout, const std::vector<Steuerzeile>& zeilen) {
    SteuerzeilenSetzen(layout, kSteuerspalten, zeilen, kNormal);
}

Berichtslayout ReportHotelbericht() {
    Berichtslayout l = mitKopf(QStringLiteral("Hotelbericht"));
    struct Spalte {
        const char* name;
        const char* titel;
        const char* feld;
        const char* format;
        double x, w;
        Ausrichtung a;
    };
    const Spalte spalten[] = {
        {"Datum", "Datum", "Datum", "dd.MM.yyyy", 0, 25, Ausrichtung::Links},
        {"Zimmer", "Zimmer", "ZimmerNr", "", 25, 18, Ausrichtung::Rechts},
        {"Naechte", "Nächte", "Naechte", "", 45, 18, Ausrichtung::Rechts},
        {"Leistung", "Leistung", "Zimmerleistung", "", 68, 22, Ausrichtung::Links},
        {"Gesamt", "Gesamt", "Gesamt", "Currency", 90, 35, Ausrichtung::Rechts},
        {"Zahlart", "Zahlart", "Zahlart", "", 130, 60, Ausrichtung::Links},
    };
    for (const Spalte& s : spalten) {
        l.bezeichnung(kKopf, QStringLiteral("lbl") + QString::fromUtf8(s.name), {s.x, 58, s.w, 7},
                      QString::fromUtf8(s.titel), kFett, s.a);
        l.textfeld(kDetail, QStringLiteral("txt") + QString::fromUtf8(s.name), {s.x, 0, s.w, 6},
                   QString::fromUtf8(s.feld), QString::fromUtf8(s.format), kNormal, s.a);
    }
    l.linie(kKopf, QStringLiteral("Linie1"), {0, 66, kBreite, 0});
    l.bereich(kKopf).hoehe = 68;
    l.bereich(kDetail).hoehe = 6.5;
    l.linie(kFuss, QStringLiteral("Linie2"), {0, 1, kBreite, 0});
    l.bezeichnung(kFuss, QStringLiteral("lblTotal"), {0, 3, 60, 8}, QStringLiteral("TOTAL"), kFett);
    l.funktion(kFuss, QStringLiteral("FunktionGesamt"), {90, 3, 35, 8}, QStringLiteral("Gesamt"),
               kWaehrung, kFett);
    l.bereich(kFuss).hoehe = 12;
    return l;
}
