#include "reports/Kassenabschluss.h"

#include <QStringList>

#include "core/Kontext.h"
#include "core/Zaehler.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalinhalte.h"
#include "fiskal/Steuerumsaetze.h"

namespace {

struct Umsatz {
    Geld lokal, ausserHaus, bar, karte, gutschein, zimmer;
    Geld gesamt() const { return lokal + ausserHaus; }
};

// A kind whose totals sum to zero counts as no turnover at all, whatever its
// cash, card and voucher parts.
void hinzufuegen(Umsatz& u, const Abfrage& a, bool ausserHaus) {
    const Geld gesamt = a.geld(QStringLiteral("Gesamt"));
    if (gesamt.istNull()) return;
    (ausserHaus ? u.ausserHaus : u.lokal) += gesamt;
    u.bar += a.geld(QStringLiteral("BAR"));
    u.karte += a.geld(QStringLiteral("KARTE"));
    u.gutschein += a.geld(QStringLiteral("GUTSCHEIN"));
    u.zimmer += a.geld(QStringLiteral("ZIMMER"));
}

Umsatz abgeschlossen(Datenbank& db, const QString& datum) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT Lokal, \"AußerHaus\", BAR, KARTE, GUTSCHEIN, "
                                          "ZIMMER FROM Abschlussumsaetze WHERE Datum = ?"),
                           datum);
    if (!a.naechste()) return {};
    return {a.geld(0), a.geld(1), a.geld(2), a.geld(3), a.geld(4), a.geld(5)};
}

void speichern(Datenbank& db, const QString& datum, const Umsatz& u) {
    const int geaendert = db.ausfuehren(
        QStringLiteral("UPDATE AlleUmsaetze SET Lokal = ?, \"AußerHaus\" = ?, BAR = ?, KARTE = ?, "
                       "GUTSCHEIN = ?, ZIMMER = ?, Gesamt = ? WHERE Datum = ?"),
        u.lokal, u.ausserHaus, u.bar, u.karte, u.gutschein, u.zimmer, u.gesamt(), datum);
    if (geaendert == 0)
        db.ausfuehren(
            QStringLiteral("INSERT INTO AlleUmsaetze (Datum, Lokal, \"AußerHaus\", BAR, "
                           "KARTE, GUTSCHEIN, ZIMMER, Gesamt) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
            datum, u.lokal, u.ausserHaus, u.bar, u.karte, u.gutschein, u.zimmer, u.gesamt());
}

}  // namespace

void UmsaetzeAktualisieren(Kontext& k) {
    Transaktion t(k.db);
    // One pass over the bills: per date, eat-in and take-away sums, dates in order.
    Abfrage a = k.db.abfrage(
        QStringLiteral(
            "SELECT Datum, COALESCE(Station, '') = ? AS AusserHaus, "
            "COALESCE(SUM(BAR), 0) AS BAR, COALESCE(SUM(KARTE), 0) AS KARTE, "
            "COALESCE(SUM(GUTSCHEIN), 0) AS GUTSCHEIN, COALESCE(SUM(ZIMMER), 0) AS ZIMMER, "
            "COALESCE(SUM(Gesamt), 0) AS Gesamt "
            "FROM Rechnungsuebersicht GROUP BY Datum, AusserHaus ORDER BY Datum"),
        QString::fromUtf8(kAusserHaus));
    QString datum;
    Umsatz umsatz;
    bool offen = false;
    while (a.naechste()) {
        const QString d = a.text(0);
        if (!offen || d != datum) {
            if (offen) speichern(k.db, datum, umsatz);
            datum = d;
            umsatz = abgeschlossen(k.db, d);
            offen = true;
        }
        hinzufuegen(umsatz, a, a.wahr(1));
    }
    if (offen) speichern(k.db, datum, umsatz);
    t.bestaetigen();
}

void RechnungenLoeschen(Kontext& k) {
    Transaktion t(k.db);
    k.db.ausfuehren(QStringLiteral("DELETE FROM Rechnungsuebersicht"));
    k.db.ausfuehren(QStringLiteral("DELETE FROM RechnungDetails"));
    // Numbering starts again with the next period's first bill.
    ZaehlerZuruecksetzen(k.db, kZaehlerRechnung);
    t.bestaetigen();
}

QStringList OffeneTischeAuflisten(Kontext& k) {
    QStringList offen;
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT DISTINCT Station, Tisch FROM OffeneTische ORDER BY Station, Tisch"));
    while (a.naechste()) offen << a.text(0) + QLatin1Char(' ') + a.text(1);
    return offen;
}

QString KassenabschlussFrage(Kontext& k) {
    const QStringList offen = OffeneTischeAuflisten(k);
    const QString frage = QStringLiteral("Kassenabschluss jetzt durchführen?");
    if (offen.isEmpty()) return frage;
    return frage + QStringLiteral("\n\nNoch offene Tische: ") + offen.join(QStringLiteral(", "));
}

void UmsaetzeAbschliessen(Kontext& k) {
    Transaktion t(k.db);
    // Holding the journal's counter keeps every other till's bill out until
    // the bills read here are closed and gone.
    ZaehlerSperren(k.db, kZaehlerJournal);
    UmsaetzeAktualisieren(k);
    // What the totals now hold for these dates is their closed turnover from here on.
    const QStringList spalten = {QStringLiteral("Datum"),         QStringLiteral("Lokal"),
                                 QStringLiteral("\"AußerHaus\""), QStringLiteral("BAR"),
                                 QStringLiteral("KARTE"),         QStringLiteral("GUTSCHEIN"),
                                 QStringLiteral("ZIMMER"),        QStringLiteral("Gesamt")};
    k.db.ausfuehren(k.db.ersetzen(QStringLiteral("Abschlussumsaetze"), spalten,
                                  QStringLiteral("Datum"),
                                  QStringLiteral("SELECT %1 FROM AlleUmsaetze WHERE Datum IN "
                                                 "(SELECT Datum FROM Rechnungsuebersicht)")
                                      .arg(spalten.join(QStringLiteral(", ")))));
    SteuerumsaetzeAbschliessen(k.db);
    // The journal keeps what is closed; its entry gives the closing its Z-Nr.
    JournalAnhaengen(k, kJournalKassenabschluss, Abschlussinhalt(k.db));
    RechnungenLoeschen(k);
    t.bestaetigen();
}
