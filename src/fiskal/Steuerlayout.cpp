#include "fiskal/Steuerlayout.h"

#include "fiskal/Steuersatz.h"

namespace {

const QString kNamen[] = {QStringLiteral("lblSteuersatz"), QStringLiteral("lblSteuerNetto"),
                          QStringLiteral("lblSteuerMwSt"), QStringLiteral("lblSteuerBrutto")};

void zeile(Berichtslayout& l, const Steuerspalten& s, const QString& anhang, double oben,
           const std::array<QString, 4>& texte, Schrift schrift) {
    for (std::size_t i = 0; i < 4; ++i)
        l.bezeichnung(kFuss, kNamen[i] + anhang,
                      {s.grenzen[i], oben, s.grenzen[i + 1] - s.grenzen[i], s.zeilenhoehe},
                      texte[i], schrift, i == 0 ? Ausrichtung::Links : Ausrichtung::Rechts);
}

}  // namespace

void SteuerkopfSetzen(Berichtslayout& l, const Steuerspalten& s, double oben, Schrift schrift) {
    zeile(l, s, QString(), oben,
          {QStringLiteral("MwSt-Satz"), QStringLiteral("Netto"), QStringLiteral("MwSt"),
           QStringLiteral("Brutto")},
          schrift);
}

void SteuerzeilenSetzen(Berichtslayout& l, const Steuerspalten& s,
                        const std::vector<Steuerzeile>& zeilen, Schrift schrift) {
    const double ab = l.element(kFuss, kNamen[0]).lage.bottom();
    l.platzSchaffen(kFuss, ab, s.zeilenhoehe * static_cast<double>(zeilen.size()));
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const Steuerzeile& z = zeilen[i];
        const QString satz = SteuersatzText(z.satz);
        zeile(l, s, QString::number(i), ab + s.zeilenhoehe * static_cast<double>(i),
              {s.mitKennung ? z.kennung + QLatin1Char(' ') + satz : satz, z.netto.text(s.format),
               z.steuer.text(s.format), z.brutto.text(s.format)},
              schrift);
    }
}
