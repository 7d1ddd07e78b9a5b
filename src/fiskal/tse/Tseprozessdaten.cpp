#include "fiskal/tse/Tseprozessdaten.h"

#include <QStringList>

#include "fiskal/Steuersatz.h"

namespace {

QString betrag(Geld g) { return g.text().replace(QLatin1Char(','), QLatin1Char('.')); }

}  // namespace

QString KassenbelegDaten(const std::map<int, Geld>& bruttoJeSatz, Geld bar, Geld unbar) {
    QStringList saetze;
    for (const int satz : {kRegelsatz, kErmaessigterSatz, 1070, 550, 0}) {
        const auto it = bruttoJeSatz.find(satz);
        saetze << betrag(it == bruttoJeSatz.end() ? Geld() : it->second);
    }
    QStringList zahlungen;
    if (!bar.istNull()) zahlungen << betrag(bar) + QStringLiteral(":Bar");
    if (!unbar.istNull()) zahlungen << betrag(unbar) + QStringLiteral(":Unbar");
    if (zahlungen.isEmpty()) zahlungen << betrag(Geld()) + QStringLiteral(":Bar");
    return QStringLiteral("Beleg^") + saetze.join(QLatin1Char('_')) + QLatin1Char('^') +
           zahlungen.join(QLatin1Char('_'));
}

QString BestellungDaten(const QList<Bestellposten>& posten) {
    QStringList zeilen;
    for (const Bestellposten& p : posten) {
        QString text = p.text;
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        zeilen << QStringLiteral("%1;\"%2\";%3").arg(p.menge).arg(text, betrag(p.preis));
    }
    return zeilen.join(QLatin1Char('\r'));
}
