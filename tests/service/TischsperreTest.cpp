#include "core/Rechte.h"
#include "fiskal/Journal.h"
#include "reports/Tagesberichte.h"
#include "service/Tischsperre.h"
#include "support/DbTest.h"

namespace {

// Tom at table 5 of the dining room; other tills are rows of their own.
class Tischsperre : public DbTest {
  protected:
    Tischsperre() {
        kellner("Tom", "1", "", {"FremdeTische", "Kassenabschluss"});
        amTisch("Tom", "Gastraum", "5");
    }
    void fremdeSperre(const QString& tisch, const QString& kasse, int sekundenAlt) {
        db->ausfuehren(
            "INSERT INTO Tischsperren (Station, Tisch, Kasse, Herzschlag) "
            "VALUES ('Gastraum', ?, ?, ?)",
            tisch, kasse, uhr.zeit.addSecs(-sekundenAlt).toString(Qt::ISODate));
    }
    QStringList sperren() {
        QStringList liste;
        for (Abfrage a = db->abfrage("SELECT Tisch, Kasse FROM Tischsperren ORDER BY Tisch");
             a.naechste();)
            liste << a.text(0) + "@" + (a.text(1) == Kassenname() ? "hier" : a.text(1));
        return liste;
    }
};

}  // namespace

TEST_F(Tischsperre, ATableIsOpenAtOneTillUntilItsLeaseRunsOut) {
    const struct {
        const char* fall;
        int alterSekunden;  // of the other till's lease on table 5; -1: none
        std::optional<QString> verweigert;
        QStringList danach;
    } faelle[] = {
        {"free", -1, std::nullopt, {"5@hier"}},
        {"held", 30, "Tisch 5 ist gerade an der Kasse 'Theke' geöffnet.", {"5@Theke"}},
        {"held just within the lease",
         kSperrdauerSekunden,
         "Tisch 5 ist gerade an der Kasse "
         "'Theke' geöffnet.",
         {"5@Theke"}},
        {"lease run out", kSperrdauerSekunden + 1, std::nullopt, {"5@hier"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        db->ausfuehren("DELETE FROM Tischsperren");
        if (f.alterSekunden >= 0) fremdeSperre("5", "Theke", f.alterSekunden);
        EXPECT_EQ(TischSperren(*k), f.verweigert);
        EXPECT_EQ(sperren(), f.danach);
    }

    // Opening another table gives the first back; the floor view gives back all.
    fremdeSperre("7", "Terrasse", 10);
    k->werte.tisch = "6";
    ASSERT_EQ(TischSperren(*k), std::nullopt);
    EXPECT_EQ(sperren(), QStringList({"6@hier", "7@Terrasse"}));
    uhr.zeit = uhr.zeit.addSecs(kSperrdauerSekunden);
    SperrenErneuern(*k);
    uhr.zeit = uhr.zeit.addSecs(kSperrdauerSekunden - 1);
    EXPECT_EQ(FremdeTische(*k), QStringList());  // Terrasse stopped renewing
    TischeEntsperren(*k);
    EXPECT_EQ(sperren(), QStringList({"7@Terrasse"}));
}

TEST_F(Tischsperre, AManagerFreesTablesAndTheClosingWaitsForThem) {
    mnuTischFreigeben(*k);
    EXPECT_EQ(dialoge.meldungen, QStringList({"Kein Tisch ist an einer anderen Kasse geöffnet."}));

    fremdeSperre("5", "Theke", 10);
    fremdeSperre("7", "Terrasse", 10);
    dialoge.meldungen.clear();
    mnuKassenabschluss(*k);
    EXPECT_EQ(dialoge.meldungen,
              QStringList({"Kassenabschluss nicht möglich: an anderen Kassen sind Tische "
                           "geöffnet: Gastraum 5 (Theke), Gastraum 7 (Terrasse)"}));
    EXPECT_TRUE(dialoge.fragen.isEmpty());

    dialoge.jaNein = {false, true};
    mnuTischFreigeben(*k);
    EXPECT_EQ(dialoge.fragen,
              QStringList({"Tisch 5 (Gastraum) ist an der Kasse 'Theke' geöffnet. Tisch freigeben?",
                           "Tisch 7 (Gastraum) ist an der Kasse 'Terrasse' geöffnet. Tisch "
                           "freigeben?"}));
    EXPECT_EQ(sperren(), QStringList({"5@Theke"}));

    k->werte.kellner = "Anna";  // no right to other waiters' tables
    dialoge.meldungen.clear();
    mnuTischFreigeben(*k);
    EXPECT_EQ(dialoge.meldungen, QStringList({kKeineRechte}));
    EXPECT_EQ(sperren(), QStringList({"5@Theke"}));
}

TEST(Kassenname, TakesOneToThirtyCharactersWithoutControlCharacters) {
    const QString vorher = Kassenname();
    const struct {
        QString eingabe;
        QString name;  // empty: refused
    } faelle[] = {
        {" Theke ", "Theke"},
        {"Terrasse 2", "Terrasse 2"},
        {"", ""},
        {"   ", ""},
        {QString(31, 'x'), ""},
        {"Bar\tOben", ""},
        {QString(30, 'y'), QString(30, 'y')},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.eingabe.toStdString());
        KassennameSetzen(vorher);
        const auto fehler = KassennameSetzen(f.eingabe);
        EXPECT_EQ(fehler.has_value(), f.name.isEmpty());
        EXPECT_EQ(Kassenname(), f.name.isEmpty() ? vorher : f.name);
        if (fehler) {
            EXPECT_EQ(*fehler, "Der Kassenname '" + f.eingabe +
                                   "' geht nicht: er braucht 1 bis 30 Zeichen ohne Steuerzeichen.");
        }
    }
    KassennameSetzen(vorher);
}
