#include "admin/Betriebsdaten.h"
#include "core/Datensicherung.h"
#include "fiskal/Journal.h"
#include "fiskal/Journalstand.h"
#include "fiskal/Kassenstammdaten.h"
#include "support/DbTest.h"

namespace {

class Betrieb : public DbTest {
  protected:
    Betrieb() {
        kellner("Anna", "1111", "2222");
        k->werte.kellner = "Anna";
    }

    static Betriebsdaten gut() {
        return {"Gasthof O'Brien",       "Am Lindenhof 3 · 12345 Musterstadt",
                "01234 567890",          "123/456/78901",
                "DE123456789",           "Kasse 'Theke'",
                "/media/usb/Sicherungen"};
    }
};

}  // namespace

TEST_F(Betrieb, StoresTheMasterDataAndJournalsTheChange) {
    ASSERT_TRUE(BetriebsdatenSpeichern(*k, gut()));
    const Betriebsdaten gelesen = BetriebsdatenLesen(*db);
    EXPECT_EQ(gelesen.name, "Gasthof O'Brien");
    EXPECT_EQ(gelesen.adresszeile, "Am Lindenhof 3 · 12345 Musterstadt");
    EXPECT_EQ(gelesen.steuernummer, "123/456/78901");
    EXPECT_EQ(gelesen.ustIdNr, "DE123456789");
    EXPECT_EQ(Kassenseriennummer(*db), "Kasse 'Theke'");
    EXPECT_EQ(Sicherungsordner(*db), "/media/usb/Sicherungen");
    const auto eintraege = JournalLesen(*db, "Betrieb");
    ASSERT_EQ(eintraege.size(), 3u);  // the row, the two settings, the backup folder
    EXPECT_EQ(eintraege[0].wert("Nachher/0/Name").toString(), "Gasthof O'Brien");
    EXPECT_EQ(eintraege[0].wert("Kellner").toString(), "Anna");

    // A second save changes the one row; saving it unchanged journals nothing.
    Betriebsdaten neu = gut();
    neu.name = "Gasthof Lindenhof";
    ASSERT_TRUE(BetriebsdatenSpeichern(*k, neu));
    ASSERT_TRUE(BetriebsdatenSpeichern(*k, neu));
    Abfrage zeilen = db->abfrage("SELECT COUNT(*) FROM Betrieb");
    zeilen.naechste();
    EXPECT_EQ(zeilen.zahl(0), 1);
    EXPECT_EQ(JournalLesen(*db, "Betrieb").size(), 4u);
    EXPECT_EQ(JournalLesen(*db, "Betrieb").back().wert("Vorher/0/Name").toString(),
              "Gasthof O'Brien");
    EXPECT_EQ(BetriebsdatenLesen(*db).name, "Gasthof Lindenhof");
    EXPECT_EQ(dialoge.meldungen, QStringList());
}

TEST_F(Betrieb, RefusesBadInputAndChangesNothing) {
    const struct {
        QString Betriebsdaten::*feld;
        QString wert, meldung;
    } faelle[] = {
        {&Betriebsdaten::name, "  ", "Bitte geben Sie den Namen des Betriebs ein."},
        {&Betriebsdaten::name, QString(61, 'x'),
         "Das Feld „Name“ darf höchstens 60 Zeichen lang sein."},
        {&Betriebsdaten::steuernummer, QString(31, '1'),
         "Das Feld „Steuernummer“ darf höchstens 30 Zeichen lang sein."},
        {&Betriebsdaten::ustIdNr, "123456789",
         "Die USt-IdNr. beginnt mit dem Länderkürzel und enthält nur Großbuchstaben und "
         "Ziffern, z. B. DE123456789."},
        {&Betriebsdaten::kassenseriennummer, QString(51, 'K'),
         "Das Feld „Kassenseriennummer“ darf höchstens 50 Zeichen lang sein."},
        {&Betriebsdaten::sicherungsordner, "Sicherungen",
         "Der Ordner für die Datensicherung muss ein vollständiger Pfad sein, z. B. "
         "/media/usb/Sicherungen."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.meldung.toStdString());
        dialoge.meldungen.clear();
        Betriebsdaten d = gut();
        d.*f.feld = f.wert;
        EXPECT_FALSE(BetriebsdatenSpeichern(*k, d));
        EXPECT_EQ(dialoge.meldungen, QStringList({f.meldung}));
        EXPECT_TRUE(BetriebsdatenLesen(*db).name.isEmpty());
        EXPECT_TRUE(JournalLesen(*db).empty());
    }
}
