#include "service/Anzahl.h"

#include "core/Kontext.h"

std::optional<int> AnzahlFragen(Kontext& k, const QString& aufforderung) {
    QString antwort = k.dialoge.zahlenblock(aufforderung);
    if (antwort.isEmpty()) antwort = k.dialoge.zahlenblock(aufforderung);
    if (antwort == kAbbrechen) return std::nullopt;
    bool zahl = false;
    const int n = antwort.trimmed().toInt(&zahl);
    if (!zahl) return std::nullopt;
    return n;
}
