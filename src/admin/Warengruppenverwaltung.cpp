#include "admin/Warengruppenverwaltung.h"

#include "core/Kontext.h"

namespace {

bool vorhanden(Kontext& k, const QString& wg) {
    return k.db.abfrage(QStringLiteral("SELECT 1 FROM Warengruppe WHERE WG = ?"), wg).naechste();
}

// Articles refer to their group by name: an empty or taken name would lose
// them or mix two groups.
bool nameFrei(Kontext& k, const QString& wg) {
    if (wg.isEmpty()) {
        k.dialoge.meldung(QStringLiteral("Es muss eine Warengruppe eingegeben werden"));
        return false;
    }
    if (vorhanden(k, wg)) {
        k.dialoge.meldung(QStringLiteral("Die Warengruppe: ") + wg +
                          QStringLiteral(" ist bereits vorhanden"));
        return false;
    }
    return true;
}

void WarengruppeLoeschen(Kontext& k, const QString& wg) {
    k.db.ausfuehren(QStringLiteral("DELETE FROM Warengruppe WHERE WG = ?"), wg);
}

void AlleGerichteLoeschen(Kontext& k, const QString& wg) {
    k.db.ausfuehren(QStringLiteral("DELETE FROM Artikelgruppe WHERE WG = ?"), wg);
}

void ArtikelgruppeBearbeitenaendern(Kontext& k, const QString& alt, const QString& neu) {
    k.db.ausfuehren(QStringLiteral("UPDATE Artikelgruppe SET WG = ? WHERE WG = ?"), neu, alt);
}

void DruckereinstellungenSpeichern(Kontext& k, const Warengruppenformular& f) {
    k.db.ausfuehren(
        QStringLiteral("UPDATE Artikelgruppe SET Stationsdrucker = ?, Bondrucker = ? WHERE WG = ?"),
        f.stationsdrucker, f.bondrucker, f.wg.trimmed());
}

}  // namespace

std::optional<Warengruppenformular> WarengruppeBearbeitenZeigen(Kontext& k, const QString& wg) {
    auto a = k.db.abfrage(QStringLiteral("SELECT IDWG, WG, Stationsdrucker, Bondrucker FROM "
                                         "Warengruppe WHERE WG = ? LIMIT 1"),
                          wg);
    if (!a.naechste()) return std::nullopt;
    return Warengruppenformular{a.text(0), a.text(1), a.text(2), a.text(3)};
}

bool WarengruppeNeuSpeichern(Kontext& k, const Warengruppenformular& f) {
    const QString wg = f.wg.trimmed();
    if (!nameFrei(k, wg)) return false;
    if (!k.dialoge.frage(QStringLiteral("Möchten Sie die Warengruppe: ''") + wg +
                         QStringLiteral("'' wirklich einfügen")))
        return false;
    Transaktion t(k.db);
    k.db.ausfuehren(QStringLiteral("INSERT INTO Warengruppe (IDWG, WG, Stationsdrucker, "
                                   "Bondrucker) VALUES (?, ?, ?, ?)"),
                    f.idwg, wg, f.stationsdrucker, f.bondrucker);
    t.bestaetigen();
    return true;
}

bool WarengruppeBearbeitenSpeichern(Kontext& k, const Warengruppenformular& f,
                                    const QString& alterName) {
    const QString wg = f.wg.trimmed();
    if (wg != alterName && !nameFrei(k, wg)) return false;
    if (!k.dialoge.frage(QStringLiteral("Möchten Sie die Daten überschreiben"))) return false;
    const bool druckerUebernehmen = k.dialoge.frage(
        QStringLiteral("Möchten Sie die Druckereinstellungen von der Warengruppe: ''") + wg +
        QStringLiteral("'' für alle unterbefindlichen Gerichte übernehmen"));
    Transaktion t(k.db);
    k.db.ausfuehren(QStringLiteral("UPDATE Warengruppe SET WG = ?, Stationsdrucker = ?, "
                                   "Bondrucker = ? WHERE WG = ?"),
                    wg, f.stationsdrucker, f.bondrucker, alterName);
    ArtikelgruppeBearbeitenaendern(k, alterName, wg);
    if (druckerUebernehmen) DruckereinstellungenSpeichern(k, f);
    t.bestaetigen();
    return true;
}

bool AllesLoeschen(Kontext& k, const QString& wg) {
    if (!k.dialoge.frage(QStringLiteral("Mit der Warengruppe: ''") + wg +
                         QStringLiteral("'' werden alle darin enthaltenen Artikel gelöscht.") +
                         QStringLiteral(" Möchten Sie trotzdem alles löschen")))
        return false;
    Transaktion t(k.db);
    WarengruppeLoeschen(k, wg);
    AlleGerichteLoeschen(k, wg);
    t.bestaetigen();
    return true;
}
