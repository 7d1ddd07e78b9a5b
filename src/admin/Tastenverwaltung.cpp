#include "admin/Tastenverwaltung.h"

#include "core/Kontext.h"
#include "service/Katalogartikel.h"

namespace {

// Column names come from a checked number 1..5, never from data.
QString spalten(int nr, const char* vorlage) {
    if (nr < 1 || nr > 5) throw DbFehler(0, QStringLiteral("Spalte %1 gibt es nicht").arg(nr));
    return QString::fromLatin1(vorlage).arg(nr);
}

int haupttastenzahl(Kontext& k) {
    auto a = k.db.abfrage(QStringLiteral("SELECT COUNT(*) FROM WarengruppeTasten"));
    a.naechste();
    return static_cast<int>(a.zahl(0));
}

bool haupttasteVorhanden(Kontext& k, const QString& wg) {
    return k.db.abfrage(QStringLiteral("SELECT 1 FROM WarengruppeTasten WHERE WG = ?"), wg)
        .naechste();
}

void reihenSchliessen(Kontext& k) {
    auto a = k.db.abfrage(
        QStringLiteral("SELECT ID FROM WarengruppeTasten ORDER BY Tastenreihe, ID"));
    int reihe = 0;
    while (a.naechste())
        k.db.ausfuehren(QStringLiteral("UPDATE WarengruppeTasten SET Tastenreihe = ? WHERE ID = ?"),
                        ++reihe, a.zahl(0));
}

}  // namespace

std::optional<Haupttastenplatz> HaupttasteLesen(Kontext& k, std::int64_t id) {
    auto a = k.db.abfrage(
        QStringLiteral("SELECT WG, Tastenreihe FROM WarengruppeTasten WHERE ID = ?"), id);
    if (!a.naechste()) return std::nullopt;
    return Haupttastenplatz{a.text(0), static_cast<int>(a.zahl(1))};
}

void ArtikelTasteLoeschen(Kontext& k, std::int64_t reihe, int spalte) {
    const QString text = spalten(spalte, "UPDATE ArtikelTasten SET SP%1 = '', SP%1PLU = ''");
    const bool farbeAuch =
        k.dialoge.frage(QStringLiteral("Möchten Sie auch die Hintergrundsfarbe entfernen?"));
    Transaktion t(k.db);
    k.db.ausfuehren(text + (farbeAuch ? spalten(spalte, ", SP%1Farbe = NULL") : QString()) +
                        QStringLiteral(" WHERE ID = ?"),
                    reihe);
    t.bestaetigen();
}

void HintergrundfarbeEintragen(Kontext& k, std::int64_t reihe, int spalte, unsigned farbe) {
    Transaktion t(k.db);
    k.db.ausfuehren(spalten(spalte, "UPDATE ArtikelTasten SET SP%1Farbe = ? WHERE ID = ?"),
                    static_cast<std::int64_t>(farbe & 0xFFFFFFu), reihe);
    t.bestaetigen();
}

void Datenbankaktualisieren(Kontext& k, std::int64_t reihe, int spalte, const Artikeltaste& taste) {
    std::optional<std::int64_t> farbe;
    if (taste.farbe) farbe = static_cast<std::int64_t>(*taste.farbe & 0xFFFFFFu);
    Transaktion t(k.db);
    k.db.ausfuehren(
        spalten(spalte,
                "UPDATE ArtikelTasten SET SP%1 = ?, SP%1PLU = ?, SP%1Farbe = ? WHERE ID = ?"),
        taste.text, taste.plu, farbe, reihe);
    t.bestaetigen();
}

std::optional<QString> PLUDatenbankAbfrage(Kontext& k, const QString& plu) {
    const auto artikel = KatalogartikelLesen(k.db, plu);
    if (!artikel) return std::nullopt;
    return artikel->gericht;
}

std::optional<Artikeltaste> ArtikelFuerTaste(Kontext& k, const QString& plu) {
    if (plu.trimmed().isEmpty()) {
        k.dialoge.meldung(
            QStringLiteral("Das Feld 'PLU' ist Leer. Bitte wähllen Sie ein Gericht aus!"));
        return std::nullopt;
    }
    const std::optional<QString> gericht = PLUDatenbankAbfrage(k, plu.trimmed());
    if (!gericht) {
        k.dialoge.meldung(QStringLiteral("Dieser 'PLU' ist nicht vorhanden. Bitte erstellen Sie "
                                         "zuerst eine neue PLU-Nummer!"));
        return std::nullopt;
    }
    return Artikeltaste{*gericht, plu.trimmed(), std::nullopt};
}

QString HauptastenNeu(Kontext& k) {
    Transaktion t(k.db);
    const int reihe = haupttastenzahl(k) + 1;
    // After a removal the number may already name a key; its rows must not mix.
    int nr = reihe;
    while (haupttasteVorhanden(k, QStringLiteral("Hapttaste %1").arg(nr))) ++nr;
    const QString wg = QStringLiteral("Hapttaste %1").arg(nr);
    k.db.ausfuehren(
        QStringLiteral("INSERT INTO WarengruppeTasten (WG, Tastenreihe) VALUES (?, ?)"), wg, reihe);
    for (int i = 0; i < 6; ++i)
        k.db.ausfuehren(
            QStringLiteral("INSERT INTO ArtikelTasten (WG, SP1, SP2, SP3, SP4, SP5, SP1PLU, "
                           "SP2PLU, SP3PLU, SP4PLU, SP5PLU) VALUES (?, '', '', '', '', '', '', "
                           "'', '', '', '')"),
            wg);
    t.bestaetigen();
    return wg;
}

bool Hauptastenentfernen(Kontext& k, const QString& wg) {
    if (!k.dialoge.frage(QStringLiteral("Sind Sie Sicher. Soll die Hauptaste entfernt werden?")))
        return false;
    Transaktion t(k.db);
    k.db.ausfuehren(QStringLiteral("DELETE FROM ArtikelTasten WHERE WG = ?"), wg);
    k.db.ausfuehren(QStringLiteral("DELETE FROM WarengruppeTasten WHERE WG = ?"), wg);
    reihenSchliessen(k);
    t.bestaetigen();
    return true;
}

bool HauptasteSpeichern(Kontext& k, std::int64_t id, const QString& text, const QString& reihe) {
    const QString wg = text.trimmed();
    if (wg.isEmpty() || reihe.trimmed().isEmpty()) {
        k.dialoge.meldung(QStringLiteral("Das Feld darf nicht Leer sein"));
        return false;
    }
    bool zahl = false;
    const int neu = reihe.trimmed().toInt(&zahl);
    if (!zahl || neu < 1) {
        k.dialoge.meldung(QStringLiteral("Die Reihe muss eine ganze Zahl ab 1 sein"));
        return false;
    }
    Transaktion t(k.db);
    if (neu > haupttastenzahl(k)) {
        k.dialoge.meldung(QStringLiteral("Anzahl der Hauptasten ist kleiner als ") +
                          reihe.trimmed());
        return false;
    }
    const std::optional<Haupttastenplatz> alt = HaupttasteLesen(k, id);
    if (!alt) return false;
    if (wg != alt->wg && haupttasteVorhanden(k, wg)) {
        k.dialoge.meldung(QStringLiteral("Die Haupttaste: ") + wg +
                          QStringLiteral(" ist bereits vorhanden"));
        return false;
    }
    if (alt->tastenreihe < neu)
        k.db.ausfuehren(QStringLiteral("UPDATE WarengruppeTasten SET Tastenreihe = Tastenreihe - 1 "
                                       "WHERE Tastenreihe > ? AND Tastenreihe <= ?"),
                        alt->tastenreihe, neu);
    else if (neu < alt->tastenreihe)
        k.db.ausfuehren(QStringLiteral("UPDATE WarengruppeTasten SET Tastenreihe = Tastenreihe + 1 "
                                       "WHERE Tastenreihe >= ? AND Tastenreihe < ?"),
                        neu, alt->tastenreihe);
    k.db.ausfuehren(
        QStringLiteral("UPDATE WarengruppeTasten SET WG = ?, Tastenreihe = ? WHERE ID = ?"), wg,
        neu, id);
    k.db.ausfuehren(QStringLiteral("UPDATE ArtikelTasten SET WG = ? WHERE WG = ?"), wg, alt->wg);
    t.bestaetigen();
    return true;
}
