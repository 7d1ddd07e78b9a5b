#include "fiskal/Steuertabelle.h"

#include <algorithm>

#include "core/DbFehler.h"
#include "fiskal/Steuersatz.h"

void Steuertabelle::hinzufuegen(int satz, Geld brutto) {
    if (satz <= 0)
        throw DbFehler(3265, QStringLiteral("Eine Zeile des Belegs hat keinen Steuersatz."));
    m_brutto[satz] += brutto;
}

std::vector<int> Steuertabelle::weitere() const {
    std::vector<int> saetze;
    for (auto it = m_brutto.rbegin(); it != m_brutto.rend(); ++it)
        if (it->first != kRegelsatz && it->first != kErmaessigterSatz) saetze.push_back(it->first);
    return saetze;
}

QString Steuertabelle::kennung(int satz) const {
    // A and B stay with their rates even on a bill that has only one of them.
    if (satz == kRegelsatz) return QStringLiteral("A");
    if (satz == kErmaessigterSatz) return QStringLiteral("B");
    const std::vector<int> saetze = weitere();
    const auto stelle = std::find(saetze.begin(), saetze.end(), satz);
    if (stelle == saetze.end())
        throw DbFehler(3265, QStringLiteral("Der Steuersatz %1 gehört zu keiner Zeile des Belegs.")
                                 .arg(SteuersatzText(satz)));
    return QString(QChar(u'C' + static_cast<char16_t>(stelle - saetze.begin())));
}

std::vector<Steuerzeile> Steuertabelle::zeilen() const {
    std::vector<Steuerzeile> liste;
    std::vector<int> saetze;
    for (int fest : {kRegelsatz, kErmaessigterSatz})
        if (m_brutto.count(fest)) saetze.push_back(fest);
    for (int satz : weitere()) saetze.push_back(satz);
    for (int satz : saetze) {
        const Geld brutto = m_brutto.at(satz);
        const Geld netto = Geld::gerundet(Nettoanteil(brutto, satz));
        liste.push_back({kennung(satz), satz, brutto, netto, brutto - netto});
    }
    return liste;
}
