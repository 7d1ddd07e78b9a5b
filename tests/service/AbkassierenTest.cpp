#include "core/Rechte.h"
#include "service/Abkassieren.h"
#include "service/Tischzeilen.h"
#include "support/DbTest.h"
#include "support/Posten.h"

namespace {

class Abkassieren : public DbTest {
  protected:
    Abkassieren() {
        kellner("Anna", "1", "", {"Rechnungen"});
        kellner("Ben", "2");
        amTisch("Anna", "Gastraum", "5");
        Posten p;
        p.menge = 2;
        PostenAnlegen(*db, p.aufZahlliste());
    }

    std::string bills() {
        return text(
                   "SELECT RegNr || ':' || Beleg || ':' || Gesamt FROM Rechnungsuebersicht "
                   "ORDER BY RegNr")
            .toStdString();
    }
};

}  // namespace

TEST_F(Abkassieren, ReceiptIsPrintedWithTheRealTableAndTheBillStored) {
    EXPECT_TRUE(::Abkassieren(*k, kKassenbon, kBar, {}));
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(drucker.auftraege[0].text(kKopf, "lblStationUNDTisch"),
              QStringLiteral("Gastraum  -  Tisch: 5"));
    EXPECT_EQ(bills(), "1:Kassenbon:700");
    EXPECT_EQ(TischSumme(*k, {"Gastraum", kZahlen, "5"}), std::nullopt);

    // Nothing left to pay: nothing printed, nothing stored.
    EXPECT_FALSE(::Abkassieren(*k, kKassenbon, kBar, {}));
    EXPECT_FALSE(::Abkassieren(*k, kKeinBon, kBar, {}));
    EXPECT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(bills(), "1:Kassenbon:700");
}

// The receipt is a print job stored with its bill: when it cannot be stored,
// neither is the bill, and the pay list stays as it was.
TEST_F(Abkassieren, AReceiptThatCannotBeStoredLeavesNoBill) {
    drucker.fehler = DbFehler(9001, "Datenträger voll");
    EXPECT_THROW(::Abkassieren(*k, kKassenbon, kBar, {}), DbFehler);
    EXPECT_EQ(bills(), "");
    drucker.fehler.reset();
    EXPECT_TRUE(::Abkassieren(*k, kKassenbon, kBar, {}));
    EXPECT_EQ(bills(), "1:Kassenbon:700");
}

TEST_F(Abkassieren, InvoiceNeedsItsRightAndNoReceiptPrintsNothing) {
    amTisch("Ben", "Gastraum", "5");
    EXPECT_FALSE(::Abkassieren(*k, kRechnungBeleg, kKarte, {}));
    EXPECT_EQ(dialoge.meldungen, QStringList{kKeineRechte});
    EXPECT_EQ(bills(), "");

    EXPECT_TRUE(::Abkassieren(*k, kKeinBon, kKarte, {}));
    EXPECT_TRUE(drucker.auftraege.empty());
    EXPECT_EQ(bills(), "1:kein Bon:700");

    amTisch("Anna", "Gastraum", "5");
    PostenAnlegen(*db, Posten().aufZahlliste());
    EXPECT_TRUE(::Abkassieren(*k, kRechnungBeleg, kKarte, {}));
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(drucker.auftraege[0].titel, QStringLiteral("Rechnung"));
    EXPECT_EQ(bills(), "1:kein Bon:700 2:Rechnung:350");
}

TEST_F(Abkassieren, TheReceiptStatesEachPaymentWithItsAmount) {
    const struct {
        const char* zahlungsart;
        std::int64_t gutschein, rechnung;
        std::optional<bool> rueckgeldGezahlt;  // asked only for a voucher above the bill
        const char* arten;
        const char* betraege;
        const char* gespeichert;  // BAR/KARTE/GUTSCHEIN, empty: nothing stored
    } faelle[] = {
        {"BAR", 0, 2740, {}, "BAR", "27,40 €", "2740/0/0"},
        {"KARTE", 0, 2740, {}, "KARTE", "27,40 €", "0/2740/0"},
        {"GUTSCHEIN  Nr 17", 1000, 2550, {}, "GUTSCHEIN\nBAR", "10,00 €\n15,50 €", "1550/0/1000"},
        {"GUTSCHEIN", 10000, 7070, true, "GUTSCHEIN\nRückgeld", "100,00 €\n29,30 €",
         "-2930/0/10000"},
        {"GUTSCHEIN", 10000, 7070, false, "", "", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zahlungsart);
        db->ausfuehren("DELETE FROM OffeneTische");
        db->ausfuehren("DELETE FROM Rechnungsuebersicht");
        drucker.auftraege.clear();
        dialoge.fragen.clear();
        Posten p;
        p.cent = f.rechnung;
        PostenAnlegen(*db, p.aufZahlliste());
        if (f.rueckgeldGezahlt) dialoge.jaNein = {*f.rueckgeldGezahlt};

        const bool gespeichert = *f.gespeichert != '\0';
        EXPECT_EQ(::Abkassieren(*k, kKassenbon, f.zahlungsart, {"17", Geld(f.gutschein)}),
                  gespeichert);
        EXPECT_EQ(dialoge.fragen.size(), f.rueckgeldGezahlt ? 1 : 0);
        if (f.rueckgeldGezahlt) {
            EXPECT_EQ(dialoge.fragen[0], QStringLiteral("Der Gutschein ist höher als die Rechnung. "
                                                        "Haben Sie 29,30 € Rückgeld ausgezahlt?"));
        }
        Abfrage a = db->abfrage(
            "SELECT BAR || '/' || KARTE || '/' || GUTSCHEIN FROM "
            "Rechnungsuebersicht");
        EXPECT_EQ(a.naechste() ? a.text(0) : QString(), QString::fromUtf8(f.gespeichert));
        if (!gespeichert) {
            EXPECT_TRUE(drucker.auftraege.empty());
            EXPECT_EQ(TischSumme(*k, {"Gastraum", kZahlen, "5"}), Geld(f.rechnung));
            continue;
        }
        ASSERT_EQ(drucker.auftraege.size(), 1u);
        const Dokument& d = drucker.auftraege[0];
        EXPECT_EQ(d.text(kFuss, "lblZahlart"), QString::fromUtf8(f.arten));
        EXPECT_EQ(d.text(kFuss, "lblZahlbetrag"), QString::fromUtf8(f.betraege));
        EXPECT_EQ(d.text(kFuss, "FunktionSummeBrutto"), Geld(f.rechnung).waehrung());
    }
    EXPECT_TRUE(dialoge.unerwartet.isEmpty());
}
