#include "service/Beleglayouts.h"

#include <QCoreApplication>
#include <QDir>

#include "fiskal/Steuerlayout.h"

namespace {

constexpr double kBreite = kBonbreite;
constexpr double kKennung = kBreite - 4;  // the VAT mark at the right end of a line

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
    l.textfeld(kDetail, QStringLiteral("txtSummeEPREIS"), {44, 5, kKennung - 45, 5},
               QStringLiteral("SummeBrutto"), QStringLiteral("Currency"), kNormal,
               Ausrichtung::Rechts);
    l.textfeld(kDetail, QStringLiteral("txtMwStKennung"), {kKennung, 5, kBreite - kKennung, 5},
               QStringLiteral("MwStKennung"), {}, kNormal, Ausrichtung::Rechts);
    l.bereich(kDetail).hoehe = 11;
}

// Below the total of a bill: each payment type used and its amount, one per
// line, set when the bill is printed.
void zahlung(Berichtslayout& l) {
    l.bezeichnung(kFuss, QStringLiteral("lblZahlart"), {0, 12, 44, 5}, {}, kNormal).wachsen = true;
    l.bezeichnung(kFuss, QStringLiteral("lblZahlbetrag"), {44, 12, kBreite - 44, 5}, {}, kNormal,
                  Ausrichtung::Rechts)
        .wachsen = true;
}

// The VAT table: mark and rate, net, VAT, gross.
const Steuerspalten kSteuerspalten{
    {0, 22, 39, 56, kBreite}, 4.5, QStringLiteral("#####0.00"), true};

// The total, the payment (not on the interim bill), the heads of the VAT table
// (its rows are set when the bill is printed) and the thanks.
void summen(Berichtslayout& l, const QString& dank, bool mitZahlung) {
    const QString waehrung = QStringLiteral("Currency");
    l.linie(kFuss, QStringLiteral("Linie1"), {0, 1.5, kBreite, 0});
    l.bezeichnung(kFuss, QStringLiteral("lblSumme"), {0, 3, 30, 8}, QStringLiteral("TOTAL"),
                  kSumme);
    l.funktion(kFuss, QStringLiteral("FunktionSummeBrutto"), {30, 3, kBreite - 30, 8},
               QStringLiteral("SummeBrutto"), waehrung, kSumme);
    if (mitZahlung) zahlung(l);
    const double tabelle = mitZahlung ? 18 : 12;
    SteuerkopfSetzen(l, kSteuerspalten, tabelle, {kKlein.punkt, true});
    l.bezeichnung(kFuss, QStringLiteral("lblBedanken"), {0, tabelle + 6, kBreite, 6}, dank, kNormal,
                  Ausrichtung::Mitte);
    l.bereich(kFuss).hoehe = tabelle + 18;
}

// The hospitality-expense form below the sums: captions with ruled lines that
// run to the right edge, for the guest to fill in by hand.
void bewirtungsbeleg(Berichtslayout& l) {
    l.bezeichnung(kFuss, QStringLiteral("lblBeleg1"), {0, 34, kBreite, 8},
                  QStringLiteral("Angaben zum Nachweis der Höhe und der betrieblichen Veranlassung "
                                 "von Bewirtungs- Aufwendungen (Par.4 Abs.5 Ziff.2 EStG) ."),
                  kKlein)
        .wachsen = true;
    l.bezeichnung(kFuss, QStringLiteral("lblBeleg2"), {0, 43, kBreite, 5}, {}, kKlein);

    const double rechts = 31;
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung1"), {0, 51, rechts, 5},
                  QStringLiteral("Tag der bewirtung"), kKlein);
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung2"), {rechts, 51, kBreite - rechts, 5}, {},
                  kNormal);
    l.linie(kFuss, QStringLiteral("Symbol2"), {rechts, 56, kBreite - rechts, 0});
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung3"), {0, 59, rechts, 5},
                  QStringLiteral("Ort der Bewirtung"), kKlein);
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung4"), {rechts, 59, kBreite - rechts, 5}, {},
                  kNormal);
    l.linie(kFuss, QStringLiteral("Symbol3"), {rechts, 64, kBreite - rechts, 0});

    // Room to write below each of the last captions.
    const struct {
        const char* name;
        const char* text;
        const char* linie;
        double oben;
    } zeilen[] = {
        {"Bezeichnung5", "Bewirtete Person(en)", "Symbol4", 68},
        {"Bezeichnung6", "Anlaß der Bewirtung", "Symbol5", 82},
        {"Bezeichnung7", "Ort, Datum", "Symbol6", 96},
    };
    for (const auto& z : zeilen) {
        l.bezeichnung(kFuss, QString::fromUtf8(z.name), {0, z.oben, kBreite, 5},
                      QString::fromUtf8(z.text), kKlein);
        l.linie(kFuss, QString::fromUtf8(z.linie), {0, z.oben + 11, kBreite, 0});
    }
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung8"), {0, 121, kBreite, 5},
                  QStringLiteral("Unterschrift"), kKlein);
    // Space to sign, and for the cutter.
    l.bereich(kFuss).hoehe = 142;
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
           !zwischensumme);
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

void SteuertabelleSetzen(Berichtslayout& layout, const std::vector<Steuerzeile>& zeilen) {
    SteuerzeilenSetzen(layout, kSteuerspalten, zeilen, kKlein);
}

void TseblockSetzen(Berichtslayout& layout, const QString& text, const QString& qr) {
    Berichtsbereich& fuss = layout.bereich(kFuss);
    const double oben = fuss.hoehe;
    const double breite = layout.breite();
    layout.bezeichnung(kFuss, QStringLiteral("lblTse"), {0, oben, breite, 4}, text, {7, false})
        .wachsen = true;
    fuss.hoehe = oben + 6;
    if (qr.isEmpty()) return;
    // 40 mm hold the receipt code's version with modules of about half a millimetre.
    constexpr double kQr = 40;
    layout.qrcode(kFuss, QStringLiteral("QrTse"), {(breite - kQr) / 2, oben + 5, kQr, kQr}, qr);
    fuss.hoehe = oben + 5 + kQr + 4;
}
