#include "fiskal/Journalpruefung.h"

#include <future>

#include "core/Datenbank.h"
#include "fiskal/Journalkette.h"

namespace {

// Checks the entries numbered von to bis, each against its predecessor's
// stored chain value. Answers the first entry found changed or missing, or
// nothing; a stop is told through `abgebrochen`.
std::optional<std::int64_t> abschnittPruefen(Datenbank& db, std::int64_t von, std::int64_t bis,
                                             const Abbruchfrage& abbrechen, bool& abgebrochen) {
    QByteArray vorher = kKettenanfang;
    if (von > 1) {
        Abfrage a = db.abfrage(QStringLiteral("SELECT Kette FROM Journal WHERE Nr = ?"), von - 1);
        if (a.naechste()) vorher = a.utf8(0).toByteArray();
    }
    Abfrage a = db.abfrage(QStringLiteral("SELECT Nr, Zeit, Geschaeftstag, Kasse, Art, ZNr, RegNr, "
                                          "Inhalt, Kette FROM Journal WHERE Nr >= ? AND Nr <= ? "
                                          "ORDER BY Nr"),
                           von, bis);
    Journalkette kette;
    std::int64_t erwartet = von;
    while (a.naechste()) {
        if ((erwartet & 0xFFF) == 0 && abbrechen()) {
            abgebrochen = true;
            return std::nullopt;
        }
        const QByteArray wert = kette.wert(vorher, {a.utf8(0), a.utf8(1), a.utf8(2), a.utf8(3),
                                                    a.utf8(4), a.utf8(5), a.utf8(6), a.utf8(7)});
        if (a.zahl(0) != erwartet || a.utf8(8) != wert) return erwartet;
        vorher = wert;
        ++erwartet;
    }
    if (erwartet <= bis) return erwartet;  // the last ones are missing
    return std::nullopt;
}

}  // namespace

std::optional<Journalbefund> JournalPruefen(Datenbank& db, const Abbruchfrage& abbrechen) {
    Journalbefund befund;
    befund.eintraege = db.zahl(QStringLiteral("SELECT COUNT(*) FROM Journal"));
    const std::int64_t letzte = db.zahl(QStringLiteral("SELECT COALESCE(MAX(Nr), 0) FROM Journal"));
    bool abgebrochen = false;
    befund.veraendertAb = abschnittPruefen(db, 1, letzte, abbrechen, abgebrochen);
    if (abgebrochen) return std::nullopt;
    return befund;
}

std::optional<std::int64_t> JournalAbPruefen(Datenbank& db, std::int64_t von) {
    const std::int64_t letzte = db.zahl(QStringLiteral("SELECT COALESCE(MAX(Nr), 0) FROM Journal"));
    bool abgebrochen = false;
    return abschnittPruefen(
        db, von, letzte, [] { return false; }, abgebrochen);
}

std::optional<Journalbefund> JournalPruefen(const QString& pfad, const QByteArray& schluessel,
                                            const Abbruchfrage& abbrechen) {
    auto db = Datenbank::oeffnen(pfad, schluessel);
    Journalbefund befund;
    befund.eintraege = db->zahl(QStringLiteral("SELECT COUNT(*) FROM Journal"));
    const std::int64_t letzte =
        db->zahl(QStringLiteral("SELECT COALESCE(MAX(Nr), 0) FROM Journal"));
    const std::int64_t mitte = letzte / 2;
    bool hintenAbgebrochen = false, vorneAbgebrochen = false;
    auto hinten = std::async(std::launch::async, [&] {
        auto zweite = Datenbank::oeffnen(pfad, schluessel);
        return abschnittPruefen(*zweite, mitte + 1, letzte, abbrechen, hintenAbgebrochen);
    });
    const auto vorne = abschnittPruefen(*db, 1, mitte, abbrechen, vorneAbgebrochen);
    const auto hintenBefund = hinten.get();
    if (vorneAbgebrochen || hintenAbgebrochen) return std::nullopt;
    befund.veraendertAb = vorne ? vorne : hintenBefund;
    return befund;
}

QString Befundtext(const Journalbefund& befund) {
    if (befund.veraendertAb)
        return QStringLiteral("Journal verändert ab Eintrag %1").arg(*befund.veraendertAb);
    return QStringLiteral("Journal in Ordnung: %1 Einträge").arg(befund.eintraege);
}
