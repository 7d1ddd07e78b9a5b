#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "core/Datenbankdatei.h"
#include "core/PostgresVerbindung.h"
#include "core/Tischmelder.h"
#include "service/Raumdaten.h"
#include "support/DbTest.h"

// Two tills on one server: this test's connection listens, the other writes.
class Tischnotizen : public DbTest {
  protected:
    Tischnotizen() {
        station("Gastraum", {"1", "2"});
        if (aufServer()) andere = Datenbank::oeffnen(dateipfad(), kDatenbankKennwort);
    }
    ~Tischnotizen() override { db->aufhoeren(m_hoerer); }

    // Counts the notices about open lines this connection has heard; a notice on
    // a channel of its own, sent last, proves that all before it have arrived.
    int gehoert() {
        int ende = 0;
        const int hoerer = db->hoeren(QStringLiteral("ende"), [&ende] { ++ende; });
        Abfrage a = andere->abfrage(QStringLiteral("SELECT pg_notify('ende', current_schema())"));
        a.naechste();
        EXPECT_TRUE(QTest::qWaitFor([&ende] { return ende > 0; }, 2000));
        db->aufhoeren(hoerer);
        return notizen;
    }

    std::unique_ptr<Datenbank> andere;
    Tischmelder melder{*db};  // reads the socket as the floor view's does
    int notizen = 0;
    const int m_hoerer = db->hoeren(kTischkanal, [this] { ++notizen; });
};

TEST_F(Tischnotizen, OnlyCommittedChangesOfOpenLinesReachTheOtherTill) {
    NUR_SERVER();
    QSignalSpy geaendert(&melder, &Tischmelder::geaendert);
    const auto zeile = [](Datenbank& db) {
        db.ausfuehren(
            QStringLiteral("INSERT INTO OffeneTische (Station, Tisch, Kellner) VALUES "
                           "('Gastraum', '1', 'Tom')"));
    };
    struct Fall {
        const char* was;
        std::function<void(Datenbank&)> aenderung;
        bool bestaetigt;
        int notizen;
    };
    const Fall faelle[] = {
        {"a line rolled back", zeile, false, 0},
        {"a line ordered", zeile, true, 1},
        {"two lines in one transaction: one notice",
         [&](Datenbank& db) {
             zeile(db);
             zeile(db);
         },
         true, 1},
        {"the table moved",
         [](Datenbank& db) {
             db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Tisch = '2'"));
         },
         true, 1},
        {"another table changed",
         [](Datenbank& db) { db.ausfuehren(QStringLiteral("UPDATE Stationen SET Drucker = 1")); },
         true, 0},
        {"the table settled",
         [](Datenbank& db) { db.ausfuehren(QStringLiteral("DELETE FROM OffeneTische")); }, true, 1},
    };
    for (const Fall& f : faelle) {
        const int vorher = gehoert();
        {
            Transaktion t(*andere);
            f.aenderung(*andere);
            if (f.bestaetigt) t.bestaetigen();
        }
        EXPECT_EQ(gehoert() - vorher, f.notizen) << f.was;
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return geaendert.count() > 0; }, 2000));
}

TEST_F(Tischnotizen, ADroppedConnectionRefusesTheActionOnceThenConnectsAgain) {
    NUR_SERVER();
    const auto trennen = [&] {
        Abfrage pid = db->abfrage(QStringLiteral("SELECT pg_backend_pid()"));
        ASSERT_TRUE(pid.naechste());
        Abfrage weg = andere->abfrage(
            QStringLiteral(
                "SELECT pg_terminate_backend(pid, 2000) FROM pg_stat_activity WHERE pid = ?"),
            pid.zahl(0));
        ASSERT_TRUE(weg.naechste());
        ASSERT_TRUE(weg.wahr(0));
    };
    const auto zeile = [&] {
        db->ausfuehren(
            QStringLiteral("INSERT INTO OffeneTische (Station, Tisch, Kellner) VALUES "
                           "('Gastraum', '1', 'Tom')"));
    };
    struct Fall {
        const char* wann;
        std::function<void()> aktion;
    };
    const Fall faelle[] = {{"between actions",
                            [&] {
                                trennen();
                                Transaktion t(*db);
                                zeile();
                                t.bestaetigen();
                            }},
                           {"inside an action",
                            [&] {
                                Transaktion t(*db);
                                zeile();
                                trennen();
                                zeile();
                                t.bestaetigen();
                            }},
                           {"reading the floor", [&] {
                                trennen();
                                BesetzteTischeLesen(*db, QStringLiteral("Gastraum"));
                            }}};
    for (const Fall& f : faelle) {
        try {
            f.aktion();
            ADD_FAILURE() << f.wann;
        } catch (const DbFehler& fehler) {
            EXPECT_EQ(fehler.beschreibung().toStdString(), kVerbindungUnterbrochen.toStdString())
                << f.wann;
        }
        // The next action connects again and finds nothing of the refused one.
        EXPECT_EQ(BesetzteTischeLesen(*db, QStringLiteral("Gastraum")), QSet<QString>()) << f.wann;
        // It listens again too.
        const int vorher = gehoert();
        andere->ausfuehren(QStringLiteral("UPDATE OffeneTische SET Kellner = 'Anna'"));
        EXPECT_EQ(gehoert() - vorher, 1) << f.wann;
    }
}
