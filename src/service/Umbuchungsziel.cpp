#include "service/Umbuchungsziel.h"

#include "core/Kontext.h"
#include "core/Rechte.h"

std::optional<QString> PicTischAbfragen(Kontext& k, const QString& tisch) {
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT Station FROM TabellePicTisch WHERE Name = ? ORDER BY ID LIMIT 1"),
        tisch);
    if (!a.naechste()) return std::nullopt;
    return a.text(0);
}

bool StationBerechtigung(Kontext& k, const QString& station) {
    // A station without an access column grants nobody.
    for (const QString& spalte : k.db.spalten(QStringLiteral("Kellner")))
        if (spalte.compare(station, Qt::CaseInsensitive) == 0)
            return RechteAbfrage(k, k.werte.kellner, spalte);
    return false;
}

std::optional<Tischort> UmbuchungszielFragen(Kontext& k) {
    const QString aufforderung =
        QStringLiteral("Umbuchen von Tisch ") + k.werte.tisch + QStringLiteral(" nach Tisch:");
    QString antwort = k.dialoge.zahlenblock(aufforderung);
    if (antwort.isEmpty()) antwort = k.dialoge.zahlenblock(aufforderung);
    if (antwort == kAbbrechen) return std::nullopt;
    if (antwort.trimmed() == k.werte.tisch) return std::nullopt;

    bool zahl = false;
    const qlonglong nummer = antwort.trimmed().toLongLong(&zahl);
    if (!zahl || nummer < 1 || nummer > 10000000) {
        k.dialoge.meldung(kFalscheTischnummer);
        return std::nullopt;
    }
    const QString tisch = QString::number(nummer);
    if (tisch == k.werte.tisch) return std::nullopt;
    const auto station = PicTischAbfragen(k, tisch);
    if (!station) {
        k.dialoge.meldung(kTischExistiertNicht);
        return std::nullopt;
    }
    if (!StationBerechtigung(k, *station)) {
        k.dialoge.meldung(kKeineBerechtigung);
        return std::nullopt;
    }
    return Tischort{*station, tisch};
}
