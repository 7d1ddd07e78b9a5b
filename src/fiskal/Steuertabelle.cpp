#include "fiskal/Steuertabelle.h"

#include "core/DbFehler.h"
#include "fiskal/Steuersatz.h"

void Steuertabelle::hinzufuegen(int satz, Geld brutto) {
    if (satz <= 0)
        throw DbFehler(3265, QStringLiteral("Eine Zeile des Belegs hat keinen Steuersatz."));
    m_brutto[satz] += brutto;
}

std::vector<int> Steuertabelle::reihenfolge() const {
    std::vector<int> saetze;
    for (int fest : {kRegelsatz, kErmaessigterSatz})
        if (m_brutto.count(fest)) saetze.push_back(fest);
    for (auto it = m_brutto.rbegin(); it != m_brutto.rend(); ++it)
        if (it->first != kRegelsatz && it->first != kErmaessigterSatz) saetze.push_back(it->first);
    return saetze;
}

QString Steuertabelle::kennung(int satz) const {
    // A and B stay with their rates even on a bill that has only one of them.
    if (satz == kRegelsatz) return QStringLiteral("A");
    if (satz == kErmaessigterSatz) return QStringLiteral("B");
    char16_t buchstabe = u'C';
    for (auto it = m_brutto.rbegin(); it != m_brutto.rend(); ++it) {
        if (it->first == kRegelsatz || it->first == kErmaessigterSatz) continue;
        if (it->first == satz) return QString(QChar(buchstabe));
        ++buchstabe;
    }
    throw DbFehler(3265, QStringLiteral("Der Steuersatz %1 gehört zu keiner Zeile des Belegs.")
                             .arg(SteuersatzText(satz)));
}

std::vector<Steuerzeile> Steuertabelle::zeilen() const {
    std::vector<Steuerzeile> liste;
    for (int satz : reihenfolge()) {
        const Geld brutto = m_brutto.at(satz);
        const Geld netto = Geld::gerundet(Nettoanteil(brutto, satz));
        liste.push_back({kennung(satz), satz, brutto, netto, brutto - netto});
    }
    return liste;
}
