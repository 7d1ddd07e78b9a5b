#include "service/Eintragen.h"
#include "service/Senden.h"
#include "service/Stornieren.h"
#include "service/Tischverlassen.h"
#include "support/DbTest.h"
#include "ui/bericht/Dokument.h"

namespace {

class Tischverlassen : public DbTest {
  protected:
    Tischverlassen() {
        station("Gastraum", {"1", "2"});
        kellner("Tom", "2000");
        artikel("12", "Pils", 350);
        artikel("20", "Schnitzel", 1290, "Hauptgerichte", "Speisen", "Küchendrucker");
        amTisch("Tom", "Gastraum", "1");
    }

    // A sent beer of which one is cancelled, and two new lines, one per role.
    void tischMitStornoUndNeuenZeilen() {
        ASSERT_TRUE(GerichtEintragen(*k, "12", "2"));
        TischNeuesGerichtLoeschen(*k);
        dialoge.zahlen = {QStringLiteral("1")};
        auto a = db->abfrage(QStringLiteral("SELECT ID FROM OffeneTische"));
        ASSERT_TRUE(a.naechste());
        ASSERT_TRUE(GerichtStornieren(*k, a.zahl(0), QStringLiteral("Alt")));
        ASSERT_TRUE(GerichtEintragen(*k, "12", "3"));
        ASSERT_TRUE(GerichtEintragen(*k, "20", "1"));
    }
    QStringList titel() const {
        QStringList liste;
        for (const Dokument& d : drucker.auftraege)
            liste << d.text("Bereich4", "lblDruckerstation");
        return liste;
    }
    int zahl(const QString& sql) {
        auto a = db->abfrage(sql);
        a.naechste();
        return static_cast<int>(a.zahl(0));
    }
    int neue() { return zahl("SELECT COUNT(*) FROM OffeneTische WHERE TischDetails = 'Neu'"); }
    int offeneStornos() { return zahl("SELECT COUNT(*) FROM StornosTemporaer"); }
};

TEST_F(Tischverlassen, PrintsCancellationsThenBarAndKitchenAndSends) {
    tischMitStornoUndNeuenZeilen();
    // The tickets are handed over with what they announce, in one transaction.
    drucker.beimDrucken = [&] { EXPECT_TRUE(db->inTransaktion()); };
    EXPECT_TRUE(TischVerlassen(*k));
    EXPECT_EQ(titel(), QStringList({"Storno-Theke", "Thekenbon", "Küchenbon"}));
    EXPECT_EQ(drucker.auftraege[0].text("Bereich1", "txtSummeMenge", 0), QStringLiteral("-1x"));
    EXPECT_EQ(neue(), 0);
    EXPECT_EQ(offeneStornos(), 0);
    EXPECT_EQ(zahl("SELECT COUNT(*) FROM Stornos"), 1);
    EXPECT_TRUE(EigeneZeilenAmTisch(*k));

    // Leaving again prints nothing.
    drucker.auftraege.clear();
    EXPECT_TRUE(TischVerlassen(*k, QStringLiteral("ThekenDrucker")));
    EXPECT_TRUE(drucker.auftraege.empty());
    EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());
}

TEST_F(Tischverlassen, APrinterFailureKeepsCancellationsPendingAndLinesNew) {
    tischMitStornoUndNeuenZeilen();
    drucker.fehler = DbFehler(482, QStringLiteral("Drucker nicht bereit"));
    EXPECT_FALSE(TischVerlassen(*k));
    EXPECT_EQ(dialoge.fehlermeldungen, QStringList{"Fehlernummer 482\nDrucker nicht bereit"});
    EXPECT_EQ(offeneStornos(), 1);
    EXPECT_EQ(neue(), 2);

    // With no cancellation to print the bar ticket fails: the lines stay new
    // and their tickets come out once the printer is back.
    drucker.fehler.reset();
    db->ausfuehren(QStringLiteral("DELETE FROM StornosTemporaer"));
    drucker.fehler = DbFehler(482, QStringLiteral("Papierende"));
    EXPECT_FALSE(TischVerlassen(*k));
    EXPECT_EQ(neue(), 2);
    drucker.fehler.reset();
    EXPECT_TRUE(TischVerlassen(*k));
    EXPECT_EQ(titel(), QStringList({"Thekenbon", "Küchenbon"}));
    EXPECT_EQ(neue(), 0);
}

TEST_F(Tischverlassen, OwnLinesAreThoseOfTheWaiterAtThisStationAndTable) {
    station("Biergarten", {"1"});
    db->ausfuehren(
        QStringLiteral("INSERT INTO OffeneTische (Station, Tisch, Kellner, TischDetails) "
                       "VALUES ('Biergarten', '1', 'Tom', 'Alt'), "
                       "('Gastraum', '1', 'Eva', 'Alt'), ('Gastraum', '2', 'Tom', 'Alt')"));
    EXPECT_FALSE(EigeneZeilenAmTisch(*k));
    k->werte.kellner = QStringLiteral("Eva");
    EXPECT_TRUE(EigeneZeilenAmTisch(*k));
}

}  // namespace
