#include "hotel/Zimmerbelastung.h"

#include <QRegularExpression>

#include "core/Kontext.h"
#include "service/Rechnungsspeicher.h"

namespace {

const Schrift kText{9, false};

Berichtslayout zimmerbeleg() {
    Berichtslayout l(QStringLiteral("Zimmerbelastung"), kBonbreite);
    l.bezeichnung(kKopf, QStringLiteral("lblName"), {0, 0, kBonbreite, 6}, {}, {11, true},
                  Ausrichtung::Mitte);
    l.bezeichnung(kKopf, QStringLiteral("lblDatum"), {0, 7, kBonbreite, 5}, {}, kText,
                  Ausrichtung::Mitte);
    l.bezeichnung(kKopf, QStringLiteral("lblZimmerbelastung"), {0, 14, kBonbreite, 6}, {},
                  {10, true})
        .wachsen = true;
    l.bezeichnung(kKopf, QStringLiteral("lblRechnungNr"), {0, 22, 40, 5}, {}, kText);
    l.bezeichnung(kKopf, QStringLiteral("lblBetrag"), {40, 22, 32, 5}, {}, {10, true},
                  Ausrichtung::Rechts);
    l.linie(kKopf, QStringLiteral("Linie1"), {0, 45, kBonbreite, 0});
    l.bezeichnung(kKopf, QStringLiteral("lblUnterschrift"), {0, 46, kBonbreite, 5},
                  QStringLiteral("Unterschrift des Gastes"), kText, Ausrichtung::Mitte);
    l.bereich(kKopf).hoehe = 60;
    return l;
}

}  // namespace

QString ZimmerZahlungsart(int zimmerNr) {
    return kZimmer + QLatin1Char(' ') + QString::number(zimmerNr);
}

std::optional<int> ZimmerDerZahlungsart(const QString& zahlungsart) {
    static const QRegularExpression form(QStringLiteral("^ZIMMER (\\d{1,9})$"));
    const auto treffer = form.match(zahlungsart);
    if (!treffer.hasMatch()) return std::nullopt;
    return treffer.captured(1).toInt();
}

QString ZimmerbelastungText(const Hausgast& gast) {
    return QStringLiteral("Zimmerbelastung Zimmer %1 – Gast: %2").arg(gast.zimmerNr).arg(gast.gast);
}

std::optional<Hausgast> ZimmerWaehlen(Kontext& k) {
    const QString eingabe = k.dialoge.zahlenblock(kZimmernummerFrage);
    if (eingabe == kAbbrechen) return std::nullopt;
    static const QRegularExpression ziffern(QStringLiteral("^\\d{1,9}$"));
    if (!ziffern.match(eingabe).hasMatch()) {
        k.dialoge.meldung(kKeineZimmernummer);
        return std::nullopt;
    }
    const auto gast = GastImZimmer(k, eingabe.toInt());
    if (!gast || !k.dialoge.frage(ZimmerbelastungText(*gast) +
                                      QStringLiteral("\nDie Rechnung auf dieses Zimmer buchen?"),
                                  kZimmer))
        return std::nullopt;
    return gast;
}

void ZimmerBelasten(Kontext& k, const Hausgast& gast, int regNr) {
    k.db.ausfuehren(
        QStringLiteral("INSERT INTO Zimmerbelastungen (Aufenthalt, RegNr, Datum, MwStSatz, Betrag) "
                       "SELECT ?, ?, ?, MwStSatz, SUM(GPREIS) FROM RechnungDetails WHERE RegNr = ? "
                       "GROUP BY MwStSatz ORDER BY MwStSatz DESC"),
        gast.aufenthalt, regNr, k.geschaeftstag(), regNr);
}

Dokument ZimmerbelegErzeugen(Kontext& k, const Hausgast& gast, int regNr, Geld betrag) {
    Berichtslayout l = zimmerbeleg();
    Abfrage betrieb = k.db.abfrage(QStringLiteral("SELECT Name FROM Betrieb LIMIT 1"));
    if (betrieb.naechste()) l.setzeText(kKopf, QStringLiteral("lblName"), betrieb.text(0));
    l.setzeText(kKopf, QStringLiteral("lblDatum"),
                k.jetzt().toString(QStringLiteral("dd.MM.yyyy  HH:mm:ss")));
    l.setzeText(kKopf, QStringLiteral("lblZimmerbelastung"), ZimmerbelastungText(gast));
    l.setzeText(kKopf, QStringLiteral("lblRechnungNr"),
                QStringLiteral("Rechnung Nr. %1").arg(regNr));
    l.setzeText(kKopf, QStringLiteral("lblBetrag"), betrag.waehrung());
    return BerichtErzeugen(l, {});
}
