#include <QJsonArray>
#include <QJsonDocument>

#include "druck/Notizen.h"
#include "fiskal/Journal.h"
#include "service/Eintragen.h"
#include "service/Gaenge.h"
#include "service/Senden.h"
#include "service/Stornieren.h"
#include "service/Tischanzeige.h"
#include "service/Tischverlassen.h"
#include "service/Tischzeilen.h"
#include "support/DbTest.h"

namespace {

class Gaenge : public DbTest {
  protected:
    Gaenge() {
        station("Gastraum", {"1"});
        kellner("Tom", "2000");
        kellner("Eva", "3000");
        artikel("12", "Pils", 350);
        artikel("20", "Schnitzel", 1290, "Hauptgerichte", "Speisen", "Küchendrucker");
        artikel("30", "Suppe", 590, "Vorspeisen", "Speisen", "Küchendrucker");
        artikel("40", "Eis", 450, "Desserts", "Speisen", "Küchendrucker");
        amTisch("Tom", "Gastraum", "1");
    }
    void bestellen(const QString& gang, const QString& plu) {
        k->werte.gang = gang;
        ASSERT_TRUE(GerichtEintragen(*k, plu, "1"));
    }
    std::int64_t letzte() { return db->letzteId(); }
    // Each line as "dish state course" in the order of the grid's sent view.
    QStringList zeilen() {
        Tischanzeige anzeige;
        OffeneTischeAnzeigen(*k, anzeige, "1", kAlt);
        QStringList z;
        for (const Tischzeile& t : anzeige.modell.zeilen())
            z << QStringLiteral("%1 %2 %3")
                     .arg(t.mengeText + t.gericht, t.tischDetails, Tischzeilenmodell::zusatz(t));
        return z;
    }
    QStringList gedruckt() {
        QStringList d;
        for (const Dokument& bon : drucker.auftraege) {
            QString text = bon.titel + ":" + bon.text(kKopf, "lblGang");
            for (int i = 0; i < bon.detailzeilen(); ++i)
                text += "|" + bon.text(kDetail, "txtGericht", i);
            d << text;
        }
        drucker.auftraege.clear();
        return d;
    }
    // The dishes of each order in the journal, as sent.
    QStringList bestellungen() {
        QStringList b;
        for (Abfrage a = db->abfrage("SELECT Inhalt FROM Journal WHERE Art = ? ORDER BY Nr",
                                     kJournalBestellung);
             a.naechste();) {
            QStringList gerichte;
            for (const QJsonValue z :
                 QJsonDocument::fromJson(a.text(0).toUtf8())["Zeilen"].toArray())
                gerichte << z["Gericht"].toString();
            b << gerichte.join("|");
        }
        return b;
    }
};

}  // namespace

// Leaving sends what has no course; a called course comes out headed by its
// name, notes under their lines, whoever calls it; courses never merge.
TEST_F(Gaenge, HeldCoursesStayAtLeaveAndComeOutHeadedWhenCalled) {
    bestellen("", "30");
    bestellen("", "20");
    bestellen("Gang 2", "20");
    bestellen("Gang 2", "20");
    ASSERT_TRUE(NotizSetzen(*k, letzte(), "ohne Zwiebeln"));
    bestellen("Gang 2", "12");
    bestellen("Nachher", "40");

    ASSERT_TRUE(TischVerlassen(*k));
    EXPECT_EQ(gedruckt(), QStringList{"Küchenbon:|Suppe|Schnitzel"});
    EXPECT_EQ(GehalteneGaenge(*k), QStringList({"Gang 2", "Nachher"}));
    // Held lines stay on the table, shown with the sent ones and marked.
    EXPECT_EQ(zeilen(),
              QStringList({"1xSuppe Alt ", "1xSchnitzel Alt ", "1xSchnitzel Neu Gang 2 – wartet",
                           "1xSchnitzel Neu Gang 2 – wartet  ·  » ohne Zwiebeln",
                           "1xPils Neu Gang 2 – wartet", "1xEis Neu Nachher – wartet"}));
    EXPECT_TRUE(TischNeuesGerichtPruefen(*k));  // no transfer while a course waits

    ASSERT_TRUE(GangAbrufen(*k, "Gang 2"));
    EXPECT_EQ(gedruckt(), QStringList({"Thekenbon:Gang 2|Pils",
                                       "Küchenbon:Gang 2|Schnitzel|Schnitzel\n» ohne Zwiebeln"}));
    // The course's plain Schnitzel joins neither the one sent before nor the noted one.
    // Each send is an order of its own in the journal, held lines only once called.
    EXPECT_EQ(bestellungen(), QStringList({"Suppe|Schnitzel", "Schnitzel|Schnitzel|Pils"}));
    EXPECT_EQ(zeilen(), QStringList({"1xSuppe Alt ", "1xSchnitzel Alt ", "1xSchnitzel Alt Gang 2",
                                     "1xSchnitzel Alt Gang 2  ·  » ohne Zwiebeln",
                                     "1xPils Alt Gang 2", "1xEis Neu Nachher – wartet"}));

    // Another waiter calls the dessert, chosen from the courses still held.
    k->werte.kellner = "Eva";
    dialoge.jaNein = {true};
    EXPECT_TRUE(GangAbrufenFragen(*k));
    EXPECT_EQ(dialoge.fragen, QStringList{"Nachher jetzt abrufen?"});
    EXPECT_EQ(gedruckt(), QStringList{"Küchenbon:Nachher|Eis"});

    // Refusals print nothing and change nothing.
    const QStringList vorher = zeilen();
    EXPECT_FALSE(GangAbrufen(*k, "Gang 2"));
    EXPECT_FALSE(GangAbrufenFragen(*k));
    EXPECT_EQ(dialoge.meldungen, QStringList({kGangLeer.arg("Gang 2"), kKeinGang}));
    EXPECT_EQ(gedruckt(), QStringList());
    EXPECT_EQ(zeilen(), vorher);
    EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());
}

// A line is put into a course with its extras; drinks of different courses
// stay apart; a held line is cancelled without a ticket and settled like any.
TEST_F(Gaenge, ACourseOfALineItsRefusalsCancellingAndSettling) {
    const std::int64_t gesendet = offeneZeile("20", 1, "Alt");
    const std::int64_t fremd = offeneZeile("20", 1, "Neu", "Eva");
    bestellen("", "20");
    const std::int64_t eigene = letzte();
    db->ausfuehren(
        "INSERT INTO OffeneTische (RegID, Station, Tisch, Kellner, TischDetails, Extra, "
        "Gericht) VALUES (?, 'Gastraum', '1', 'Tom', 'Neu', 'Ja', '+ 1x Pommes')",
        eigene);
    for (const std::int64_t zeile : {gesendet, fremd}) {
        dialoge.meldungen.clear();
        EXPECT_FALSE(GangSetzen(*k, zeile, "Gang 3"));
        EXPECT_EQ(dialoge.meldungen, QStringList{kGangNurNeu});
    }
    EXPECT_TRUE(GangSetzen(*k, eigene, "Gang 3"));
    auto gaenge = [&] {
        QStringList g;
        auto a = db->abfrage(
            "SELECT Gericht || ':' || coalesce(Gang, '-') FROM OffeneTische "
            "WHERE Kellner = 'Tom' ORDER BY ID");
        while (a.naechste()) g << a.text(0);
        return g;
    };
    EXPECT_EQ(gaenge(), QStringList({"Schnitzel:-", "Schnitzel:Gang 3", "+ 1x Pommes:Gang 3"}));

    bestellen("", "12");
    bestellen("Gang 1", "12");
    bestellen("Gang 1", "12");
    EXPECT_EQ(gaenge().mid(3), QStringList({"Pils:-", "Pils:Gang 1"}));

    // Cancelled while held: nothing for the kitchen to strike.
    dialoge.zahlen = {"2"};
    ASSERT_TRUE(GerichtStornieren(*k, letzte(), kNeu));
    ASSERT_TRUE(TischVerlassen(*k));
    EXPECT_EQ(drucker.auftraege.size(), 1u);  // the bar ticket of the plain Pils
    auto a = db->abfrage("SELECT count(*) FROM Stornos");
    a.naechste();
    EXPECT_EQ(a.zahl(0), 0);

    // The bill takes the held course too: it is ordered, whether served or not.
    QStringList abrechnung;
    for (const Tischzeile& z : TischZeilen(*k, OrtAmTisch(*k, "1"), Listenart::Abrechnung))
        abrechnung << z.gericht;
    EXPECT_TRUE(abrechnung.contains("+ 1x Pommes"));
    EXPECT_EQ(abrechnung.count("Schnitzel"), 3);
}
