#include "service/Abkassieren.h"

#include "core/Rechte.h"
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
        p.tisch = kZahlen;
        p.menge = 2;
        PostenAnlegen(*db, p);
    }

    std::string bills() {
        Abfrage a = db->abfrage("SELECT group_concat(RegNr || ':' || Beleg || ':' || Gesamt, ' ') "
                                "FROM Rechnungsuebersicht");
        a.naechste();
        return a.text(0).toStdString();
    }
};

}  // namespace

TEST_F(Abkassieren, ReceiptIsPrintedWithTheRealTableAndTheBillStored) {
    EXPECT_TRUE(::Abkassieren(*k, kKassenbon, kBar, {}));
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(drucker.auftraege[0].text(kKopf, "lblStationUNDTisch"),
              QStringLiteral("Gastraum  -  Tisch: 5"));
    EXPECT_EQ(bills(), "1:Kassenbon:700");
    EXPECT_EQ(TischSumme(*k, {"Gastraum", kZahlen}), std::nullopt);

    // Nothing left to pay: nothing printed, nothing stored.
    EXPECT_FALSE(::Abkassieren(*k, kKassenbon, kBar, {}));
    EXPECT_FALSE(::Abkassieren(*k, kKeinBon, kBar, {}));
    EXPECT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(bills(), "1:Kassenbon:700");
}

TEST_F(Abkassieren, APrinterFailureKeepsTheStoredBillAndSaysSo) {
    drucker.fehler = DbFehler(9001, "Drucker hat kein Papier");
    EXPECT_TRUE(::Abkassieren(*k, kKassenbon, kBar, {}));
    EXPECT_EQ(bills(), "1:Kassenbon:700");
    EXPECT_EQ(dialoge.fehlermeldungen,
              QStringList{QStringLiteral("Fehlernummer 9001\nDrucker hat kein Papier")});
    EXPECT_EQ(dialoge.meldungen, QStringList{BelegNichtGedruckt(1)});
    EXPECT_FALSE(::Abkassieren(*k, kKassenbon, kBar, {}));
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
    PostenAnlegen(*db, [] { Posten p; p.tisch = kZahlen; return p; }());
    EXPECT_TRUE(::Abkassieren(*k, kRechnungBeleg, kKarte, {}));
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(drucker.auftraege[0].titel, QStringLiteral("Rechnung"));
    EXPECT_EQ(bills(), "1:kein Bon:700 2:Rechnung:350");
}
