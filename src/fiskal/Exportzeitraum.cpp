#include "fiskal/Exportzeitraum.h"

#include "core/Kontext.h"

Exportzeitraum ExportzeitraumLesen(const QString& vonText, const QString& bisText) {
    Exportzeitraum z;
    for (const auto& [datum, eingabe] : {std::pair{&z.von, vonText}, std::pair{&z.bis, bisText}}) {
        *datum = QDate::fromString(eingabe.trimmed(), QStringLiteral("yyyy-MM-dd"));
        if (!datum->isValid())
            return {{},
                    {},
                    QStringLiteral("Das Datum '%1' ist ungültig. Bitte geben Sie es als "
                                   "JJJJ-MM-TT ein, z. B. 2026-12-06.")
                        .arg(eingabe)};
    }
    if (z.von > z.bis) return {{}, {}, QStringLiteral("Das Von-Datum liegt nach dem Bis-Datum.")};
    return z;
}

std::optional<std::pair<QString, QString>> ZeitraumFragen(Kontext& k, const QString& titel) {
    const QString tag = k.geschaeftstag().toString(Qt::ISODate);
    const auto von =
        k.dialoge.eingabe(QStringLiteral("Von Geschäftstag (JJJJ-MM-TT):"), titel, tag);
    if (!von) return std::nullopt;
    const auto bis =
        k.dialoge.eingabe(QStringLiteral("Bis Geschäftstag (JJJJ-MM-TT):"), titel, tag);
    if (!bis) return std::nullopt;
    return std::pair{*von, *bis};
}
