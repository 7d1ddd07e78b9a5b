#include "reports/Berichte.h"

#include <QStringList>

#include "core/Kontext.h"
#include "fiskal/Steuerumsaetze.h"
#include "reports/Berichtslayouts.h"
#include "reports/Berichtspapier.h"

namespace {

const QString kAlle;  // an empty name stands for every staff member

QString adresszeile(Datenbank& db) {
    Abfrage a =
        db.abfrage(QStringLiteral("SELECT Name, Adresszeile, Telefon FROM Betrieb LIMIT 1"));
    if (!a.naechste()) return {};
    QStringList teile;
    for (int i = 0; i < 3; ++i)
        if (!a.text(i).isEmpty()) teile << a.text(i);
    return teile.join(QStringLiteral(" · "));
}

Dokument erzeugen(Kontext& k, Berichtslayout layout, const Berichtsdaten& daten, const QDate& von,
                  const QDate& bis) {
    layout.setzeText(kKopf, QStringLiteral("lblAdresse"), adresszeile(k.db));
    layout.setzeText(kKopf, QStringLiteral("lblDatum"), Datumszeile(von, bis));
    if (Berichtspapier(k) == Papier::Rolle) return BerichtErzeugen(AufRolle(layout), daten);
    return BerichtErzeugen(layout, daten);
}

Geld summe(Datenbank& db, const QString& sql) {
    Abfrage a = db.abfrage(sql);
    return a.naechste() ? a.geld(0) : Geld();
}

// Sets one amount column of the waiter rows from a per-name sum.
void kellnerspalte(Datenbank& db, const QString& spalte, Abfrage summen) {
    while (summen.naechste())
        db.ausfuehren(
            QStringLiteral("UPDATE AktuellesBericht SET %1 = ? WHERE Kellner = ?").arg(spalte),
            summen.geld(1), summen.text(0));
}

}  // namespace

QString Datumszeile(const QDate& von, const QDate& bis) {
    const QString format = QStringLiteral("dd.MM.yyyy");
    if (von == bis) return von.toString(format);
    return QStringLiteral("von ") + von.toString(format) + QStringLiteral(" bis ") +
           bis.toString(format);
}

Dokument KassenberichtErzeugen(Kontext& k, const QDate& von, const QDate& bis) {
    Transaktion t(k.db);
    k.db.ausfuehren(QStringLiteral("DELETE FROM AbschlussBericht"));
    k.db.ausfuehren(
        QStringLiteral(
            "INSERT INTO AbschlussBericht (Lokal, \"AußerHaus\", BAR, KARTE, ZIMMER, "
            "Gesamt) SELECT COALESCE(SUM(Lokal), 0), COALESCE(SUM(\"AußerHaus\"), 0), "
            "COALESCE(SUM(BAR), 0), COALESCE(SUM(KARTE), 0), COALESCE(SUM(ZIMMER), 0), "
            "COALESCE(SUM(Gesamt), 0) FROM AlleUmsaetze WHERE Datum >= ? AND Datum <= ?"),
        von, bis);
    Abfrage a =
        k.db.abfrage(QStringLiteral("SELECT Lokal, \"AußerHaus\", BAR, KARTE, ZIMMER, Gesamt FROM "
                                    "AbschlussBericht"));
    const Berichtsdaten daten = BerichtsdatenAus(a);
    t.bestaetigen();
    Berichtslayout layout = ReportKassenbericht();
    layout.setzeText(kFuss, QStringLiteral("lblSummeBrutto"),
                     Geld(daten.front().value(QStringLiteral("Gesamt")).toLongLong()).waehrung());
    return erzeugen(k, layout, daten, von, bis);
}

void BerichtKasse(Kontext& k, const QDate& von, const QDate& bis) {
    k.dialoge.vorschau(KassenberichtErzeugen(k, von, bis));
}

Dokument KellnerberichtErzeugen(Kontext& k, const QString& kellner, const QDate& von,
                                const QDate& bis) {
    Transaktion t(k.db);
    k.db.ausfuehren(QStringLiteral("DELETE FROM AktuellesBericht"));
    if (kellner == kAlle)
        k.db.ausfuehren(
            QStringLiteral("INSERT INTO AktuellesBericht (Kellner) SELECT Mitarbeiter FROM Kellner "
                           "ORDER BY rowid"));
    else
        k.db.ausfuehren(QStringLiteral("INSERT INTO AktuellesBericht (Kellner) VALUES (?)"),
                        kellner);
    // Rows exist only for the names above, so sums of other names show nowhere.
    const QString bereich = QStringLiteral(" WHERE Datum >= ? AND Datum <= ? GROUP BY ");
    kellnerspalte(k.db, QStringLiteral("Offen"),
                  k.db.abfrage(QStringLiteral("SELECT Kellner, SUM(GPREIS) FROM OffeneTische") +
                                   bereich + QStringLiteral("Kellner"),
                               von, bis));
    kellnerspalte(k.db, QStringLiteral("Kassiert"),
                  k.db.abfrage(QStringLiteral("SELECT Mitarbeiter, SUM(BAR) + SUM(KARTE) + "
                                              "SUM(GUTSCHEIN) FROM Rechnungsuebersicht") +
                                   bereich + QStringLiteral("Mitarbeiter"),
                               von, bis));
    kellnerspalte(k.db, QStringLiteral("Zimmer"),
                  k.db.abfrage(QStringLiteral("SELECT Mitarbeiter, SUM(ZIMMER) FROM "
                                              "Rechnungsuebersicht") +
                                   bereich + QStringLiteral("Mitarbeiter"),
                               von, bis));
    kellnerspalte(k.db, QStringLiteral("Stornos"),
                  k.db.abfrage(QStringLiteral("SELECT Kellner, SUM(GPREIS) FROM Stornos") +
                                   bereich + QStringLiteral("Kellner"),
                               von, bis));
    const Geld gesamt =
        summe(k.db, QStringLiteral("SELECT COALESCE(SUM(Offen), 0) + COALESCE(SUM(Kassiert), 0) "
                                   "+ COALESCE(SUM(Zimmer), 0) FROM AktuellesBericht"));
    Abfrage a = k.db.abfrage(QStringLiteral(
        "SELECT Kellner, Offen, Kassiert, Zimmer, Stornos FROM AktuellesBericht ORDER BY rowid"));
    const Berichtsdaten daten = BerichtsdatenAus(a);
    t.bestaetigen();
    Berichtslayout layout = ReportKellnerBericht();
    layout.setzeText(kFuss, QStringLiteral("lblSummeBrutto"), gesamt.waehrung());
    return erzeugen(k, layout, daten, von, bis);
}

void BerichtAlleKellner(Kontext& k, const QDate& von, const QDate& bis) {
    k.dialoge.vorschau(KellnerberichtErzeugen(k, kAlle, von, bis));
}

void BerichtEinKellner(Kontext& k, const QString& kellner, const QDate& von, const QDate& bis) {
    k.dialoge.vorschau(KellnerberichtErzeugen(k, kellner, von, bis));
}

Dokument UmsatzberichtErzeugen(Kontext& k, const QDate& von, const QDate& bis) {
    Abfrage a = k.db.abfrage(
        QStringLiteral(
            "SELECT Datum, Datum AS Tag, SUM(Gesamt) AS Gesamt, SUM(Lokal) AS SummeLokal, "
            "SUM(\"AußerHaus\") AS SummeAusserHaus FROM AlleUmsaetze "
            "WHERE Datum >= ? AND Datum <= ? GROUP BY Datum ORDER BY Datum"),
        von, bis);
    const Berichtsdaten daten = BerichtsdatenAus(a);
    Berichtslayout layout = ReportUmsatzbericht();
    UmsatzsteuernSetzen(layout, SteuerumsaetzeLesen(k.db, von, bis).zeilen());
    return erzeugen(k, std::move(layout), daten, von, bis);
}

void BerichtUmsatz(Kontext& k, const QDate& von, const QDate& bis) {
    k.dialoge.vorschau(UmsatzberichtErzeugen(k, von, bis));
}

Dokument HotelberichtErzeugen(Kontext& k, const QDate& von, const QDate& bis) {
    // The payment type lists the parts the guest paid with.
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT Datum, ZimmerNr, %1 AS Naechte, Zimmerleistung, Gesamt, "
                       "trim(CASE WHEN BAR <> 0 THEN 'BAR ' ELSE '' END || "
                       "CASE WHEN KARTE <> 0 THEN 'KARTE ' ELSE '' END || "
                       "CASE WHEN GUTSCHEIN <> 0 THEN 'GUTSCHEIN' ELSE '' END) AS Zahlart "
                       "FROM AbrechnungHotel WHERE Datum >= ? AND Datum <= ? ORDER BY Datum, ID")
            .arg(k.db.tageZwischen(QStringLiteral("Anreise"), QStringLiteral("Abreise"))),
        von, bis);
    return erzeugen(k, ReportHotelbericht(), BerichtsdatenAus(a), von, bis);
}

void BerichtHotel(Kontext& k, const QDate& von, const QDate& bis) {
    k.dialoge.vorschau(HotelberichtErzeugen(k, von, bis));
}
