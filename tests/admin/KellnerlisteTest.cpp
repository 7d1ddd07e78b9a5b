#include "admin/Kellnerliste.h"
#include "core/Rechte.h"
#include "core/Rechteschluessel.h"
#include "support/DbTest.h"

namespace {

class Kellnerliste : public DbTest {
  protected:
    Kellnerliste() {
        station("Gastraum");
        station("Biergarten");
    }

    std::int64_t id(const QString& name) {
        Abfrage a = db->abfrage("SELECT ID FROM Kellner WHERE Mitarbeiter = ?", name);
        a.naechste();
        return a.zahl(0);
    }
    QString status(const QString& name) {
        Abfrage a = db->abfrage("SELECT Status FROM Kellner WHERE Mitarbeiter = ?", name);
        a.naechste();
        return a.text(0);
    }
    bool zugang(const QString& name, const QString& station) {
        Abfrage a = db->abfrage(
            QString("SELECT [%1] FROM Kellner WHERE Mitarbeiter = ?").arg(station), name);
        return a.naechste() && a.wahr(0);
    }

    int pin2Gefragt = 0;
    bool pin2Antwort = true;
    std::function<bool()> pin2 = [this] {
        ++pin2Gefragt;
        return pin2Antwort;
    };
};

const QString kAlle = "MitarbeiterVerwaltungUneingeschrenkt";

}  // namespace

TEST_F(Kellnerliste, ListsLocksAndStationAccessPerRow) {
    kellner("Anna", "1", "", {"Biergarten"});
    kellner("O'Brien", "2", "", {"Gastraum", "Biergarten"}, "deaktiviert");
    EXPECT_EQ(Stationsspalten(*db), (QStringList{"Gastraum", "Biergarten"}));
    const auto liste = ListViewKellnerFuelen(*db);
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_EQ(liste[0].mitarbeiter, "Anna");
    EXPECT_TRUE(liste[0].aktiv);
    EXPECT_EQ(liste[0].stationen, (std::vector<bool>{false, true}));
    EXPECT_EQ(liste[1].mitarbeiter, "O'Brien");
    EXPECT_FALSE(liste[1].aktiv);
    EXPECT_EQ(liste[1].stationen, (std::vector<bool>{true, true}));
}

TEST_F(Kellnerliste, LockingNeedsRightsSecondPinAndLeavesSomebodyActive) {
    kellner("Chef", "1", "11", {kAlle}, "aktiviert", Rechte::kMasterKey);
    kellner("Leiter", "2", "22", {kAlle});
    kellner("Sperrer", "3", "33", {"AndereMitarbeiterSperren"});
    kellner("Tom", "4", "44");
    k->werte.kellner = "Leiter";

    // The administrator stays unlocked, whoever asks, and no PIN is asked for it.
    EXPECT_FALSE(SperreAendern(*k, id("Chef"), false, pin2));
    k->werte.kellner = "Sperrer";
    EXPECT_FALSE(SperreAendern(*k, id("Chef"), false, pin2));
    EXPECT_EQ(dialoge.meldungen, QStringList({kAdminNichtSperren, kAdminNichtSperren}));
    // Without unrestricted rights an entry that has them is out of reach.
    dialoge.meldungen.clear();
    EXPECT_FALSE(SperreAendern(*k, id("Leiter"), false, pin2));
    k->werte.kellner = "Tom";
    EXPECT_FALSE(SperreAendern(*k, id("Sperrer"), false, pin2));
    EXPECT_EQ(dialoge.meldungen, QStringList({kKeineRechte, kKeineRechte}));
    EXPECT_EQ(pin2Gefragt, 0);

    // Cancelled second PIN: nothing stored; right PIN: stored.
    k->werte.kellner = "Sperrer";
    pin2Antwort = false;
    EXPECT_FALSE(SperreAendern(*k, id("Tom"), false, pin2));
    EXPECT_EQ(status("Tom"), "aktiviert");
    pin2Antwort = true;
    EXPECT_TRUE(SperreAendern(*k, id("Tom"), false, pin2));
    EXPECT_EQ(status("Tom"), "deaktiviert");
    EXPECT_TRUE(SperreAendern(*k, id("Tom"), true, pin2));
    EXPECT_EQ(status("Tom"), "aktiviert");
    EXPECT_EQ(pin2Gefragt, 3);
    EXPECT_EQ(status("Chef"), "aktiviert");
    EXPECT_EQ(status("Leiter"), "aktiviert");
}

TEST_F(Kellnerliste, TheLastActiveEntryCannotBeUnticked) {
    kellner("Leiter", "2", "22", {kAlle});
    kellner("Tom", "4", "44", {}, "deaktiviert");
    k->werte.kellner = "Leiter";
    EXPECT_FALSE(SperreAendern(*k, id("Leiter"), false, pin2));
    EXPECT_EQ(dialoge.meldungen, QStringList{kMindestensEinKellner});
    EXPECT_EQ(status("Leiter"), "aktiviert");
    EXPECT_EQ(pin2Gefragt, 0);
    // Unlocking is always possible, and then the other one may be locked.
    EXPECT_TRUE(SperreAendern(*k, id("Tom"), true, pin2));
    EXPECT_TRUE(SperreAendern(*k, id("Leiter"), false, pin2));
    EXPECT_EQ(status("Leiter"), "deaktiviert");
}

TEST_F(Kellnerliste, StationAccessIsStoredAtOnceWithoutSecondPin) {
    kellner("Leiter", "2", "22", {kAlle, "StationAktivierenDeaktivieren"});
    kellner("Stationer", "3", "33", {"StationAktivierenDeaktivieren"});
    kellner("Tom", "4", "44");
    k->werte.kellner = "Stationer";
    EXPECT_EQ(StationszugangUmschalten(*k, id("Tom"), "Biergarten"), true);
    EXPECT_TRUE(zugang("Tom", "Biergarten"));
    EXPECT_FALSE(zugang("Tom", "Gastraum"));
    EXPECT_EQ(StationszugangUmschalten(*k, id("Tom"), "biergarten"), false);
    EXPECT_FALSE(zugang("Tom", "Biergarten"));
    EXPECT_EQ(pin2Gefragt, 0);

    EXPECT_EQ(StationszugangUmschalten(*k, id("Leiter"), "Gastraum"), std::nullopt);
    k->werte.kellner = "Tom";
    EXPECT_EQ(StationszugangUmschalten(*k, id("Tom"), "Gastraum"), std::nullopt);
    EXPECT_EQ(dialoge.meldungen, QStringList({kKeineRechte, kKeineRechte}));
    EXPECT_FALSE(zugang("Leiter", "Gastraum"));
    EXPECT_FALSE(zugang("Tom", "Gastraum"));

    // A right column is no station.
    k->werte.kellner = "Leiter";
    EXPECT_THROW(StationszugangUmschalten(*k, id("Tom"), "Stornieren"), DbFehler);
}

TEST_F(Kellnerliste, ChangesReachTheRowOfTheEntryEvenWhenRowsAreReordered) {
    kellner("Leiter", "1", "11", {kAlle, "StationAktivierenDeaktivieren"});
    kellner("Anna", "2", "22");
    kellner("Tom", "3", "33");
    k->werte.kellner = "Leiter";
    const auto liste = ListViewKellnerFuelen(*db);
    ASSERT_EQ(liste[2].mitarbeiter, "Tom");

    // Between listing and storing, Anna leaves and comes back as a new row: the
    // third row of the table is now hers, the third entry of the list still Tom.
    db->ausfuehren("DELETE FROM Kellner WHERE Mitarbeiter = 'Anna'");
    kellner("Anna", "2", "22");
    EXPECT_TRUE(SperreAendern(*k, liste[2].id, false, pin2));
    EXPECT_EQ(StationszugangUmschalten(*k, liste[2].id, "Gastraum"), true);
    EXPECT_EQ(status("Tom"), "deaktiviert");
    EXPECT_EQ(status("Anna"), "aktiviert");
    EXPECT_TRUE(zugang("Tom", "Gastraum"));
    EXPECT_FALSE(zugang("Anna", "Gastraum"));
}
