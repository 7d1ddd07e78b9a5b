#include <future>

#include "core/Datenbankdatei.h"
#include "core/Zaehler.h"
#include "reports/Kassenabschluss.h"
#include "service/Rechnungsspeicher.h"
#include "service/Tischzeilen.h"
#include "support/DbTest.h"
#include "support/Posten.h"

namespace {

class Rechnungsspeicher : public DbTest {
  protected:
    Rechnungsspeicher() { amTisch("Anna", "Gastraum", "5"); }

    void aufZahlliste(int menge, std::int64_t cent, const QString& station = "Gastraum") {
        Posten p;
        p.station = station;
        p.menge = menge;
        p.cent = cent;
        PostenAnlegen(*db, p.aufZahlliste());
    }
};

}  // namespace

TEST_F(Rechnungsspeicher, StoresTheBillWithItsLinesAndEmptiesThePayList) {
    // Settled at 01:30: the bill carries the business day it was settled in.
    uhr.stellen(QDate(2026, 12, 7), QTime(1, 30, 5));
    aufZahlliste(2, 350);
    aufZahlliste(1, 1850);
    aufZahlliste(4, 100, "Biergarten");  // another station's pay list stays

    EXPECT_EQ(RechnungDetails(*k, kZahlen, kBar, {}, kKassenbon), 1);

    EXPECT_EQ(zahl("SELECT COUNT(*) FROM RechnungDetails WHERE RegNr = 1"), 2);
    EXPECT_EQ(zahl("SELECT SUM(GPREIS) FROM RechnungDetails"), 2550);
    EXPECT_EQ(
        text("SELECT Tisch || '/' || Kellner || '/' || Station || '/' || Datum || '/' || Zeit "
             "FROM RechnungDetails ORDER BY ID LIMIT 1"),
        QStringLiteral("5/Anna/Gastraum/2026-12-06/11:30:00"));
    EXPECT_EQ(text("SELECT RegNr || '/' || Datum || '/' || Zeit || '/' || Station || '/' || "
                   "Mitarbeiter || '/' || Tisch || '/' || BAR || '/' || KARTE || '/' || GUTSCHEIN "
                   "|| '/' || Beleg || '/' || Gesamt || '/' || COALESCE(Zahlungsart, '-') "
                   "FROM Rechnungsuebersicht"),
              QStringLiteral("1/2026-12-06/01:30:05/Gastraum/Anna/5/2550/0/0/Kassenbon/2550/-"));
    EXPECT_EQ(TischSumme(*k, {"Gastraum", kZahlen, "5"}), std::nullopt);
    EXPECT_EQ(TischSumme(*k, {"Biergarten", kZahlen, "5"}), Geld(400));

    // The next bill takes the next number; an empty pay list stores nothing.
    aufZahlliste(1, 990);
    EXPECT_EQ(RechnungDetails(*k, kZahlen, kKarte, {}, kKeinBon), 2);
    EXPECT_EQ(RechnungDetails(*k, kZahlen, kBar, {}, kKassenbon), std::nullopt);
    EXPECT_EQ(text("SELECT RegNr || ':' || BAR || ':' || KARTE || ':' || Beleg "
                   "FROM Rechnungsuebersicht ORDER BY RegNr"),
              QStringLiteral("1:2550:0:Kassenbon 2:0:990:kein Bon"));

    // After the till closing empties the bills, numbering starts again at 1.
    RechnungenLoeschen(*k);
    aufZahlliste(1, 100);
    EXPECT_EQ(RechnungDetails(*k, kZahlen, kBar, {}, kKassenbon), 1);
}

TEST_F(Rechnungsspeicher, AFailureHalfWayStoresNothingAndKeepsTheLines) {
    aufZahlliste(2, 350);
    fehlerEinbauen("INSERT", "Rechnungsuebersicht", "Datenträger voll");
    EXPECT_THROW(RechnungDetails(*k, kZahlen, kBar, {}, kKassenbon), DbFehler);
    EXPECT_EQ(zahl("SELECT COUNT(*) FROM RechnungDetails"), 0);
    EXPECT_EQ(TischSumme(*k, {"Gastraum", kZahlen, "5"}), Geld(700));

    fehlerAusbauen("Rechnungsuebersicht");
    EXPECT_EQ(RechnungDetails(*k, kZahlen, kBar, {}, kKassenbon), 1);
}

TEST_F(Rechnungsspeicher, VoucherSplitIncludingChangePaidOut) {
    const Geld gesamt(2550);
    const auto teile = ZahlungAufteilen("GUTSCHEIN  Nr 17", gesamt, Geld(1000));
    EXPECT_EQ(teile.bar, Geld(1550));
    EXPECT_EQ(teile.karte, Geld(0));
    EXPECT_EQ(teile.gutschein, Geld(1000));
    EXPECT_EQ(ZahlungAufteilen(kGutschein, gesamt, Geld(3000)).bar, Geld(-450));
    EXPECT_EQ(ZahlungAufteilen(kBar, gesamt, Geld(1000)).bar, gesamt);
    EXPECT_EQ(ZahlungAufteilen(kKarte, gesamt, Geld(1000)).karte, gesamt);

    aufZahlliste(1, 2550);
    EXPECT_EQ(RechnungDetails(*k, kZahlen, "GUTSCHEIN  Nr 17", {"17", Geld(1000)}, kKassenbon), 1);
    EXPECT_EQ(text("SELECT BAR || '/' || KARTE || '/' || GUTSCHEIN FROM Rechnungsuebersicht"),
              QStringLiteral("1550/0/1000"));
}

TEST_F(Rechnungsspeicher, VoucherPromptsAskAgainUntilTheAmountIsValid) {
    dialoge.eingaben = {QString("17"), QString("zehn"), QString("10,555"), QString("-5"),
                        QString("10,50")};
    const Gutschein g = GutscheinFragen(*k);
    EXPECT_EQ(g.nummer, QStringLiteral("17"));
    EXPECT_EQ(g.betrag, Geld(1050));
    EXPECT_EQ(dialoge.meldungen, QStringList(3, kGutscheinBetragFalsch));
    EXPECT_EQ(dialoge.aufforderungen.first(), kGutscheinNrFrage);
    EXPECT_EQ(dialoge.aufforderungen.last(), kGutscheinBetragFrage);
    EXPECT_EQ(GutscheinUeberschrift(g), QStringLiteral("GUTSCHEIN  Nr 17"));

    // Empty or cancelled: no number, amount 0.
    dialoge.eingaben = {QString(), std::nullopt};
    const Gutschein leer = GutscheinFragen(*k);
    EXPECT_EQ(leer.nummer, QString());
    EXPECT_EQ(leer.betrag, Geld(0));
    EXPECT_EQ(GutscheinUeberschrift(leer), QStringLiteral("GUTSCHEIN"));
    EXPECT_TRUE(dialoge.unerwartet.isEmpty());
}

TEST_F(Rechnungsspeicher, ASecondTillPostingAtTheSameTimeWaitsAndTakesTheNextNumber) {
    aufZahlliste(1, 500);
    auto zweite = Datenbank::oeffnen(dateipfad(), kDatenbankKennwort);
    Transaktion andere(*zweite);
    ZaehlerSperren(*zweite, kZaehlerJournal);
    zweite->ausfuehren("INSERT INTO Rechnungsuebersicht (RegNr, Gesamt) VALUES (?, 100)",
                       ZaehlerWeiter(*zweite, kZaehlerRechnung));
    // The other till's bill 1 is not committed yet: this one waits for it.
    auto eigene = std::async(std::launch::async,
                             [&] { return RechnungDetails(*k, kZahlen, kBar, {}, kKassenbon); });
    EXPECT_EQ(eigene.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    andere.bestaetigen();
    EXPECT_EQ(eigene.get(), 2);
    EXPECT_EQ(text("SELECT RegNr FROM Rechnungsuebersicht ORDER BY RegNr"), QStringLiteral("1 2"));
}
