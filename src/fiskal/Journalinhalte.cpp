#include "fiskal/Journalinhalte.h"

#include "core/Kontext.h"
#include "fiskal/Journal.h"
#include "fiskal/Steuertabelle.h"

namespace {

QJsonArray alleZeilen(Abfrage a) {
    QJsonArray zeilen;
    while (a.naechste()) zeilen.append(ZeileAlsJson(a));
    return zeilen;
}

QJsonObject ersteZeile(Abfrage a) { return a.naechste() ? ZeileAlsJson(a) : QJsonObject(); }

// Never written to the journal: they would let its reader log in.
const QStringList kGeheim = {QStringLiteral("Pin1"), QStringLiteral("Pin2"),
                             QStringLiteral("AdminKey")};

}  // namespace

QJsonObject Rechnungsinhalt(Datenbank& db, int regNr, const QString& zahlungsart) {
    QJsonObject inhalt = ersteZeile(db.abfrage(
        QStringLiteral("SELECT RegNr, Datum AS Geschaeftstag, Zeit, Station, Tisch, Mitarbeiter, "
                       "Beleg, Gesamt, BAR, KARTE, GUTSCHEIN, ZIMMER FROM Rechnungsuebersicht "
                       "WHERE RegNr = ? ORDER BY ID DESC LIMIT 1"),
        regNr));
    inhalt.insert(QStringLiteral("Zahlungsart"), zahlungsart);
    inhalt.insert(
        QStringLiteral("Zeilen"),
        alleZeilen(db.abfrage(QStringLiteral("SELECT PLU, Gericht, Menge, EPREIS, GPREIS, "
                                             "MwStSatz, Kellner, Datum, Zeit FROM "
                                             "RechnungDetails WHERE RegNr = ? ORDER BY ID"),
                              regNr)));
    return inhalt;
}

QJsonObject Posteninhalt(Kontext& k, std::int64_t zeilenId, std::optional<std::int64_t> menge) {
    const QJsonObject posten = ersteZeile(k.db.abfrage(
        QStringLiteral(
            "SELECT Station, Tisch, Herkunft, Kellner, TischDetails, PLU, Gericht, "
            "COALESCE(?1, Menge) AS Menge, EPREIS, EPREIS * COALESCE(?1, Menge) AS GPREIS, "
            "MwStSatz, Datum, Zeit FROM OffeneTische WHERE ID = ?2"),
        menge, zeilenId));
    return {{QStringLiteral("Posten"), posten}, {QStringLiteral("Kellner"), k.werte.kellner}};
}

QJsonObject Abschlussinhalt(Datenbank& db) {
    QJsonObject inhalt = ersteZeile(db.abfrage(QStringLiteral(
        "SELECT COUNT(*) AS Rechnungen, COALESCE(SUM(Gesamt), 0) AS Gesamt, "
        "COALESCE(SUM(BAR), 0) AS BAR, COALESCE(SUM(KARTE), 0) AS KARTE, "
        "COALESCE(SUM(GUTSCHEIN), 0) AS GUTSCHEIN, COALESCE(SUM(ZIMMER), 0) AS ZIMMER "
        "FROM Rechnungsuebersicht")));
    // Net and VAT per rate as the receipts state them: from the rate's summed gross.
    Steuertabelle tabelle;
    for (Abfrage a = db.abfrage(
             QStringLiteral("SELECT MwStSatz, SUM(GPREIS) FROM RechnungDetails GROUP BY MwStSatz"));
         a.naechste();)
        tabelle.hinzufuegen(static_cast<int>(a.zahl(0)), a.geld(1));
    QJsonArray saetze;
    for (const Steuerzeile& z : tabelle.zeilen())
        saetze.append(QJsonObject{{QStringLiteral("MwStSatz"), z.satz},
                                  {QStringLiteral("Brutto"), static_cast<qint64>(z.brutto.cent())},
                                  {QStringLiteral("Netto"), static_cast<qint64>(z.netto.cent())},
                                  {QStringLiteral("MwSt"), static_cast<qint64>(z.steuer.cent())}});
    inhalt.insert(QStringLiteral("Steuersaetze"), saetze);
    return inhalt;
}

Stammdatenaenderung::Stammdatenaenderung(Datenbank& db, QString tabelle, QString spalte,
                                         QVariant schluessel, QVariant zweiterSchluessel)
    : m_db(db),
      m_tabelle(std::move(tabelle)),
      m_spalte(std::move(spalte)),
      m_schluessel(std::move(schluessel)),
      m_zweiter(zweiterSchluessel.isNull() ? m_schluessel : std::move(zweiterSchluessel)),
      m_vorher(lesen()) {}

QJsonArray Stammdatenaenderung::lesen() const {
    QJsonArray zeilen = alleZeilen(m_db.abfrage(
        QStringLiteral("SELECT * FROM %1 WHERE %2 = ? OR %2 = ? ORDER BY rowid")
            .arg(Datenbank::bezeichner(m_tabelle), m_db.spalteGeprueft(m_tabelle, m_spalte)),
        m_schluessel, m_zweiter));
    for (QJsonValueRef zeile : zeilen) {
        QJsonObject o = zeile.toObject();
        for (const QString& geheim : kGeheim) o.remove(geheim);
        zeile = o;
    }
    return zeilen;
}

void Stammdatenaenderung::journalieren(Kontext& k, const QString& art) {
    const QJsonArray nachher = lesen();
    if (nachher == m_vorher) return;
    JournalAnhaengen(k, art,
                     {{QStringLiteral("Kellner"), k.werte.kellner},
                      {QStringLiteral("Vorher"), m_vorher},
                      {QStringLiteral("Nachher"), nachher}});
}
