#include "core/Rechte.h"
#include "service/Abkassieren.h"
#include "service/AufHaus.h"
#include "service/Umbuchen.h"
#include "support/DbTest.h"
#include "support/Posten.h"

namespace {

class AufHausTest : public DbTest {
  protected:
    AufHausTest() {
        kellner("Chef", "1", "", {"Rabatte"});
        kellner("Ben", "2");
        amTisch("Chef", "Gastraum", "5");
        uhr.stellen(QDate(2026, 12, 7), QTime(0, 45));
    }
};

TEST_F(AufHausTest, OnlyWithTheRightALineGoesFreeAndIsLoggedAtItsPrice) {
    Posten pils;
    pils.menge = 2;
    const auto frei = PostenAnlegen(*db, pils.aufZahlliste());
    Posten cola;
    cola.plu = "2";
    cola.gericht = "Cola";
    cola.cent = 280;
    PostenAnlegen(*db, cola.aufZahlliste());
    Posten anderer = cola;
    anderer.tisch = "3";
    const auto fremd = PostenAnlegen(*db, anderer.aufZahlliste());
    const Tischort zahlen = Zahlliste({"Gastraum", "5"});

    const struct {
        const char* kellner;
        std::int64_t id;
        bool gegeben;
        QString meldung;
    } faelle[] = {
        {"Ben", frei, false, kKeineRechte},
        {"Chef", fremd, false, kGerichtNichtGefunden},  // another table's line
        {"Chef", frei, true, QString()},
        {"Chef", frei, false, kSchonAufHaus},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.kellner);
        dialoge.meldungen.clear();
        k->werte.kellner = QString::fromUtf8(f.kellner);
        EXPECT_EQ(AufHaus(*k, zahlen, f.id), f.gegeben);
        EXPECT_EQ(dialoge.meldungen, f.meldung.isEmpty() ? QStringList() : QStringList{f.meldung});
    }
    EXPECT_EQ(TischSumme(*k, zahlen), Geld(280));
    EXPECT_EQ(TischSumme(*k, Zahlliste({"Gastraum", "3"})), Geld(280));
    EXPECT_EQ(
        text("SELECT Datum || '/' || Zeit || '/' || Station || '/' || Tisch || '/' || Kellner || "
             "'/' || Menge || '/' || Gericht || '/' || EPREIS || '/' || GPREIS || '/' || "
             "Kommentar || '/' || COALESCE(Herkunft, '-') FROM Stornos",
             " | "),
        QStringLiteral("2026-12-06/00:45/Gastraum/5/Chef/2/Pils (Auf Haus)/350/700/Auf Haus/-"));

    // The bill counts the free line at 0,00 €.
    ASSERT_TRUE(Abkassieren(*k, kKassenbon, kBar, {}));
    EXPECT_EQ(text("SELECT Gesamt FROM Rechnungsuebersicht"), QStringLiteral("280"));
    EXPECT_EQ(drucker.auftraege[0].text(kDetail, "txtSummeEPREIS", 0), QStringLiteral("0,00 €"));
}

}  // namespace
