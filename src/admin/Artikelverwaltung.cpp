#include "admin/Artikelverwaltung.h"

#include "core/Grenzen.h"
#include "core/Kontext.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalinhalte.h"
#include "fiskal/Steuersatz.h"

namespace {

const QString kArtikeltabelle = QStringLiteral("Artikelgruppe");
const QString kPLU = QStringLiteral("PLU");

// Checks the form in the order the user reads it; the first failure is shown.
std::optional<Geld> pruefen(Kontext& k, const Artikelformular& f) {
    const auto nein = [&](const QString& text) {
        k.dialoge.meldung(text);
        return std::optional<Geld>();
    };
    if (f.plu.trimmed().isEmpty()) return nein("Es muss eine Artikelnummer eingegeben werden");
    if (f.gericht.trimmed().isEmpty()) return nein("Es muss ein Gericht eingegeben werden");
    if (f.epreis.trimmed().isEmpty()) return nein("Es muss der Verkaufpreis eingegeben werden");
    if (f.mwst.trimmed().isEmpty()) return nein("Es muss der Mehrwertsteuersatz eingegeben werden");
    const std::optional<Geld> preis = Geld::lesen(f.epreis);
    if (!preis || *preis < Geld(0))
        return nein(
            "Der Verkaufpreis muss ein Betrag ab 0 mit höchstens zwei Nachkommastellen sein "
            "(z. B. 3,50)");
    if (*preis > kHoechstpreis) return nein(kPreisZuHoch);
    if (!SteuersatzLesen(f.mwst)) return nein(kSteuersatzUngueltig);
    return preis;
}

bool vorhanden(Kontext& k, const QString& plu) {
    return k.db.abfrage(QStringLiteral("SELECT 1 FROM Artikelgruppe WHERE PLU = ?"), plu)
        .naechste();
}

// The main group comes from the article's group, so order lines sort by it.
void anhaengen(Kontext& k, const Artikelformular& f, Geld preis) {
    k.db.ausfuehren(
        QStringLiteral("INSERT INTO Artikelgruppe (WG, PLU, Gericht, Extra, EPREIS, MwSt, "
                       "Bondrucker, Stationsdrucker, IDWG) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                       "(SELECT IDWG FROM Warengruppe WHERE WG = ? LIMIT 1))"),
        f.wg, f.plu.trimmed(), f.gericht.trimmed(), f.extra, preis, f.mwst.trimmed(), f.bondrucker,
        f.stationsdrucker, f.wg);
}

void ueberschreiben(Kontext& k, const Artikelformular& f, Geld preis) {
    k.db.ausfuehren(
        QStringLiteral("UPDATE Artikelgruppe SET WG = ?, Gericht = ?, Extra = ?, EPREIS = ?, "
                       "MwSt = ?, Bondrucker = ?, Stationsdrucker = ?, "
                       "IDWG = (SELECT IDWG FROM Warengruppe WHERE WG = ? LIMIT 1) WHERE PLU = ?"),
        f.wg, f.gericht.trimmed(), f.extra, preis, f.mwst.trimmed(), f.bondrucker,
        f.stationsdrucker, f.wg, f.plu.trimmed());
}

}  // namespace

std::optional<Artikelformular> ArtikelBearbeitenZeigen(Kontext& k, const QString& plu) {
    auto a = k.db.abfrage(
        QStringLiteral("SELECT WG, PLU, Gericht, EPREIS, MwSt, Stationsdrucker, Bondrucker, Extra "
                       "FROM Artikelgruppe WHERE PLU = ? ORDER BY rowid LIMIT 1"),
        plu);
    if (!a.naechste()) return std::nullopt;
    return Artikelformular{a.text(1), a.text(0), a.text(2), a.geld(3).text(),
                           a.text(4), a.text(5), a.text(6), a.wahr(7)};
}

bool ArtikelNeuSpeichern(Kontext& k, const Artikelformular& f) {
    const std::optional<Geld> preis = pruefen(k, f);
    if (!preis) return false;
    Transaktion t(k.db);
    const QString plu = f.plu.trimmed();
    Stammdatenaenderung aenderung(k.db, kArtikeltabelle, kPLU, plu);
    if (vorhanden(k, plu)) {
        if (!k.dialoge.frage(QStringLiteral(" Die PLU = ") + plu +
                             QStringLiteral(" ist bereits vorhanden. Möchten Sie die Daten "
                                            "trotzdem überschreiben")))
            return false;
        ueberschreiben(k, f, *preis);
    } else {
        if (!k.dialoge.frage(QStringLiteral("Möchten Sie die neuen Daten Speichern"))) return false;
        anhaengen(k, f, *preis);
    }
    aenderung.journalieren(k, kJournalArtikel);
    t.bestaetigen();
    return true;
}

bool ArtikelBearbeitenSpeichern(Kontext& k, const Artikelformular& f, const QString& altePLU) {
    const std::optional<Geld> preis = pruefen(k, f);
    if (!preis) return false;
    Transaktion t(k.db);
    Stammdatenaenderung aenderung(k.db, kArtikeltabelle, kPLU, altePLU, f.plu.trimmed());
    if (vorhanden(k, f.plu.trimmed())) {
        k.dialoge.meldung(QStringLiteral("gefunden"));
        if (!k.dialoge.frage(QStringLiteral(
                " Die Daten wurden geändert. Möchten Sie die Daten trotzdem überschreiben")))
            return false;
        ueberschreiben(k, f, *preis);
    } else {
        k.dialoge.meldung(QStringLiteral("nicht gefunden"));
        if (!k.dialoge.frage(
                QStringLiteral("PLU wurde geändert. Möchten Sie die Daten trotzdem Speichern")))
            return false;
        k.db.ausfuehren(QStringLiteral("DELETE FROM Artikelgruppe WHERE PLU = ?"), altePLU);
        anhaengen(k, f, *preis);
    }
    aenderung.journalieren(k, kJournalArtikel);
    t.bestaetigen();
    return true;
}

bool ArtikelLoeschen(Kontext& k, const QString& plu) {
    if (!k.dialoge.frage(QStringLiteral("Möchten Sie die PLU = ") + plu +
                         QStringLiteral(" mit allen zugehörigen Daten wirklich löschen")))
        return false;
    Transaktion t(k.db);
    Stammdatenaenderung aenderung(k.db, kArtikeltabelle, kPLU, plu);
    k.db.ausfuehren(QStringLiteral("DELETE FROM Artikelgruppe WHERE PLU = ?"), plu);
    aenderung.journalieren(k, kJournalArtikel);
    t.bestaetigen();
    return true;
}

QList<Kartenartikel> Artikelgruppesuchen(Kontext& k, const QString& suchtext) {
    QList<Kartenartikel> treffer;
    auto a = k.db.abfrage(QStringLiteral("SELECT PLU, Gericht, EPREIS FROM Artikelgruppe "
                                         "WHERE PLU = ? OR Gericht = ? ORDER BY PLU"),
                          suchtext, suchtext);
    while (a.naechste()) treffer.append({a.text(0), a.text(1), a.geld(2)});
    return treffer;
}
