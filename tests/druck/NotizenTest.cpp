#include "druck/Notizen.h"
#include "service/Tischverlassen.h"
#include "support/DbTest.h"

namespace {

class Notizen : public DbTest {
  protected:
    Notizen() {
        station("Gastraum", {"1"});
        kellner("Tom", "2000");
        artikel("20", "Schnitzel", 1290, "Hauptgerichte", "Speisen", "Küchendrucker");
        amTisch("Tom", "Gastraum", "1");
    }
    QStringList zeilen() {
        QStringList z;
        auto a = db->abfrage(QStringLiteral(
            "SELECT Menge || ' ' || coalesce(Notiz, '-') FROM OffeneTische ORDER BY ID"));
        while (a.naechste()) z << a.text(0);
        return z;
    }
};

}  // namespace

TEST_F(Notizen, ANoteToTheKitchenPrintsUnderItsLineAndKeepsTheLineApart) {
    const std::int64_t gesendet = offeneZeile("20", 1, "Alt");
    const std::int64_t mitNotiz = offeneZeile("20", 1, "Neu");
    offeneZeile("20", 1, "Neu");
    const std::int64_t fremd = offeneZeile("20", 1, "Neu", "Eva");

    const struct {
        std::int64_t zeile;
        QString notiz;
        QString meldung;
    } abgelehnt[] = {{gesendet, "ohne Zwiebeln", kNotizNurNeu},
                     {fremd, "ohne Zwiebeln", kNotizNurNeu},
                     {mitNotiz, QString(kNotizLaenge + 1, 'x'), kNotizZuLang}};
    for (const auto& f : abgelehnt) {
        dialoge.meldungen.clear();
        EXPECT_FALSE(NotizSetzen(*k, f.zeile, f.notiz));
        EXPECT_EQ(dialoge.meldungen, QStringList{f.meldung});
    }
    EXPECT_TRUE(NotizSetzen(*k, mitNotiz, "  ohne   Zwiebeln, Sauce 'extra' "));

    ASSERT_TRUE(TischVerlassen(*k));
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    const Dokument& bon = drucker.auftraege[0];
    EXPECT_EQ(bon.text(kDetail, "txtGericht", 0), "Schnitzel\n» ohne Zwiebeln, Sauce 'extra'");
    EXPECT_EQ(bon.text(kDetail, "txtGericht", 1), "Schnitzel");
    EXPECT_EQ(bon.detailzeilen(), 2);
    // The plain line joined the sent one; the noted line stays apart.
    EXPECT_EQ(zeilen(), QStringList({"2 -", "1 ohne Zwiebeln, Sauce 'extra'", "1 -"}));
}
