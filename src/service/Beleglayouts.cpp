#include "service/Beleglayouts.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr double kBreite = kBonbreite;

const Schrift kKlein{8, false};
const Schrift kNormal{9, false};
const Schrift kTitel{16, true};
const Schrift kSumme{13, true};

enum class Art { Abrechnung, Rechnung, Zwischensumme };

void kopf(Berichtslayout& l, const QString& titel) {
    l.bild(kKopf, QStringLiteral("Symbol1"), {0, 0, kBreite, 20}, LogoDatei());
    l.bezeichnung(kKopf, QStringLiteral("lblAdresse"), {0, 21, kBreite, 5}, {}, kKlein,
                  Ausrichtung::Mitte)
        .wachsen = true;
    l.bezeichnung(kKopf, QStringLiteral("lblAbrechnung"), {0, 27, kBreite, 9}, titel, kTitel,
                  Ausrichtung::Mitte);
    l.bezeichnung(kKopf, QStringLiteral("lblDatum"), {0, 37, 50, 5}, {}, kNormal);
    l.bezeichnung(kKopf, QStringLiteral("lblKopie"), {50, 37, kBreite - 50, 5}, {},
                  {kNormal.punkt, true}, Ausrichtung::Rechts);
    l.bezeichnung(kKopf, QStringLiteral("lblStationUNDTisch"), {0, 42, kBreite, 5}, {}, kNormal);
    l.bezeichnung(kKopf, QStringLiteral("lblKellner"), {0, 47, kBreite, 5}, {}, kNormal);
    l.bereich(kKopf).hoehe = 55;
}

// A bill's number, and beside it the journal's number of its entry, which
// never starts again; set when a stored bill is printed.
void nummern(Berichtslayout& l) {
    l.bezeichnung(kKopf, QStringLiteral("lblRechnungNr"), {0, 52, 36, 5}, {}, kNormal);
    l.bezeichnung(kKopf, QStringLiteral("lblBelegNr"), {36, 52, kBreite - 36, 5}, {}, kNormal,
                  Ausrichtung::Rechts);
    l.bereich(kKopf).hoehe = 60;
}

void posten(Berichtslayout& l, bool mitPLU) {
    const double links = mitPLU ? 12 : 0;
    if (mitPLU)
        l.textfeld(kDetail, QStringLiteral("txtPLU"), {0, 0, 11, 5}, QStringLiteral("PLU"), {},
                   kNormal);
    l.textfeld(kDetail, QStringLiteral("txtGericht"), {links, 0, kBreite - links, 5},
               QStringLiteral("Gericht"), {}, kNormal)
        .wachsen = true;
    l.textfeld(kDetail, QStringLiteral("txtSummeMenge"), {links, 5, 9, 5},
               QStringLiteral("SummeMenge"), {}, kNormal, Ausrichtung::Rechts);
    l.bezeichnung(kDetail, QStringLiteral("lblProdukt"), {links + 10, 5, 4, 5}, QStringLiteral("x"),
                  kNormal, Ausrichtung::Mitte);
    l.textfeld(kDetail, QStringLiteral("txtEPREIS"), {links + 15, 5, 20, 5},
               QStringLiteral("Einzelpreis"), QStringLiteral("#####0.00"), kNormal);
    l.textfeld(kDetail, QStringLiteral("txtSummeEPREIS"), {44, 5, kBreite - 44, 5},
               QStringLiteral("SummeBrutto"), QStringLiteral("Currency"), kNormal,
               Ausrichtung::Rechts);
    l.bereich(kDetail).hoehe = 11;
}

// Below the total of a bill: each payment type used and its amount, one per
// line, set when the bill is printed.
constexpr double kZahlungHoehe = 6;

void zahlung(Berichtslayout& l) {
    l.bezeichnung(kFuss, QStringLiteral("lblZahlart"), {0, 23, 44, 5}, {}, kNormal).wachsen = true;
    l.bezeichnung(kFuss, QStringLiteral("lblZahlbetrag"), {44, 23, kBreite - 44, 5}, {}, kNormal,
                  Ausrichtung::Rechts)
        .wachsen = true;
}

void summen(Berichtslayout& l, const QString& dank, double ab) {
    const QString waehrung = QStringLiteral("Currency");
    l.linie(kFuss, QStringLiteral("Linie1"), {0, 1.5, kBreite, 0});
    l.bezeichnung(kFuss, QStringLiteral("lblNetto"), {0, 3, 44, 5}, QStringLiteral("Netto"),
                  kNormal);
    l.funktion(kFuss, QStringLiteral("FunktionSummeNetto"), {44, 3, kBreite - 44, 5},
               QStringLiteral("SummeNetto"), waehrung, kNormal);
    l.bezeichnung(kFuss, QStringLiteral("lblMwSt"), {0, 8, 44, 5},
                  QStringLiteral("Enthaltene MwSt. 19%"), kNormal);
    l.funktion(kFuss, QStringLiteral("FunktionSummeMwSt"), {44, 8, kBreite - 44, 5},
               QStringLiteral("SummeMwSt"), waehrung, kNormal);
    l.bezeichnung(kFuss, QStringLiteral("lblSumme"), {0, 14, 30, 8}, QStringLiteral("TOTAL"),
                  kSumme);
    l.funktion(kFuss, QStringLiteral("FunktionSummeBrutto"), {30, 14, kBreite - 30, 8},
               QStringLiteral("SummeBrutto"), waehrung, kSumme);
    l.bezeichnung(kFuss, QStringLiteral("lblBedanken"), {0, 24 + ab, kBreite, 6}, dank, kNormal,
                  Ausrichtung::Mitte);
    l.bereich(kFuss).hoehe = 36 + ab;
}

// The hospitality-expense form below the sums: captions with ruled lines that
// run to the right edge, for the guest to fill in by hand.
void bewirtungsbeleg(Berichtslayout& l) {
    const double ab = kZahlungHoehe;
    l.bezeichnung(kFuss, QStringLiteral("lblBeleg1"), {0, 34 + ab, kBreite, 8},
                  QStringLiteral("Angaben zum Nachweis der Höhe und der betrieblichen Veranlassung "
                                 "von Bewirtungs- Aufwendungen (Par.4 Abs.5 Ziff.2 EStG) ."),
                  kKlein)
        .wachsen = true;
    l.bezeichnung(kFuss, QStringLiteral("lblBeleg2"), {0, 43 + ab, kBreite, 5}, {}, kKlein);

    const double rechts = 31;
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung1"), {0, 51 + ab, rechts, 5},
                  QStringLiteral("Tag der bewirtung"), kKlein);
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung2"), {rechts, 51 + ab, kBreite - rechts, 5}, {},
                  kNormal);
    l.linie(kFuss, QStringLiteral("Symbol2"), {rechts, 56 + ab, kBreite - rechts, 0});
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung3"), {0, 59 + ab, rechts, 5},
                  QStringLiteral("Ort der Bewirtung"), kKlein);
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung4"), {rechts, 59 + ab, kBreite - rechts, 5}, {},
                  kNormal);
    l.linie(kFuss, QStringLiteral("Symbol3"), {rechts, 64 + ab, kBreite - rechts, 0});

    // Room to write below each of the last captions.
    const struct {
        const char* name;
        const char* text;
        const char* linie;
        double oben;
    } zeilen[] = {
        {"Bezeichnung5", "Bewirtete Person(en)", "Symbol4", 68 + ab},
        {"Bezeichnung6", "Anlaß der Bewirtung", "Symbol5", 82 + ab},
        {"Bezeichnung7", "Ort, Datum", "Symbol6", 96 + ab},
    };
    for (const auto& z : zeilen) {
        l.bezeichnung(kFuss, QString::fromUtf8(z.name), {0, z.oben, kBreite, 5},
                      QString::fromUtf8(z.text), kKlein);
        l.linie(kFuss, QString::fromUtf8(z.linie), {0, z.oben + 11, kBreite, 0});
    }
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung8"), {0, 121 + ab, kBreite, 5},
                  QStringLiteral("Unterschrift"), kKlein);
    // Space to sign, and for the cutter.
    l.bereich(kFuss).hoehe = 142 + ab;
}

Berichtslayout beleg(Art art) {
    const bool zwischensumme = art == Art::Zwischensumme;
    const QString titel = art == Art::Abrechnung ? QStringLiteral("Abrechnung")
                          : art == Art::Rechnung ? QStringLiteral("Rechnung")
                                                 : QStringLiteral("Zwischensumme");
    Berichtslayout l(titel, kBreite);
    kopf(l, titel);
    if (!zwischensumme) nummern(l);
    posten(l, zwischensumme);
    summen(l, zwischensumme ? QStringLiteral(" ") : QStringLiteral("Vielen Dank für Ihren Besuch."),
           zwischensumme ? 0 : kZahlungHoehe);
    if (!zwischensumme) zahlung(l);
    if (art == Art::Rechnung) bewirtungsbeleg(l);
    return l;
}

}  // namespace

QString LogoDatei() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("Logos/Logo_Lokal.svg"));
}

Berichtslayout ReportAbrechnung() { return beleg(Art::Abrechnung); }
Berichtslayout ReportRechnung() { return beleg(Art::Rechnung); }
Berichtslayout ReportZwischensumme() { return beleg(Art::Zwischensumme); }
