#include "fiskal/Journalpruefung.h"

#include "core/Datenbank.h"
#include "fiskal/Journalkette.h"

std::optional<Journalbefund> JournalPruefen(Datenbank& db, const std::function<bool()>& abbrechen) {
    Abfrage a =
        db.abfrage(QStringLiteral("SELECT Nr, Zeit, Geschaeftstag, Kasse, Art, ZNr, RegNr, "
                                  "Inhalt, Kette FROM Journal ORDER BY Nr"));
    Journalkette kette;
    QByteArray vorher = kKettenanfang;
    Journalbefund befund;
    while (a.naechste()) {
        const std::int64_t erwartet = befund.eintraege + 1;
        if ((erwartet & 0xFFF) == 0 && abbrechen()) return std::nullopt;
        const QByteArray wert = kette.wert(vorher, {a.utf8(0), a.utf8(1), a.utf8(2), a.utf8(3),
                                                    a.utf8(4), a.utf8(5), a.utf8(6), a.utf8(7)});
        if (a.zahl(0) != erwartet || a.utf8(8) != wert) {
            befund.veraendertAb = erwartet;
            break;
        }
        vorher = wert;
        befund.eintraege = erwartet;
    }
    if (befund.veraendertAb) {
        Abfrage anzahl = db.abfrage(QStringLiteral("SELECT COUNT(*) FROM Journal"));
        anzahl.naechste();
        befund.eintraege = anzahl.zahl(0);
    }
    return befund;
}

QString Befundtext(const Journalbefund& befund) {
    if (befund.veraendertAb)
        return QStringLiteral("Journal verändert ab Eintrag %1").arg(*befund.veraendertAb);
    return QStringLiteral("Journal in Ordnung: %1 Einträge").arg(befund.eintraege);
}
