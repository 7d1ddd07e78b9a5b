#include <QSignalSpy>
#include <functional>

#include "core/Rechte.h"
#include "druck/Notizen.h"
#include "service/Bestelltasten.h"
#include "service/Tischzeile.h"
#include "service/frmTastenMenu1.h"
#include "service/frmTastenMenu2.h"
#include "service/frmTisch.h"
#include "support/DbTest.h"

namespace {

// The function keys of table 1, on which Tom has two sent beers.
class TastenMenu1Test : public DbTest {
  protected:
    TastenMenu1Test() : tisch(*k), rechner(*k), menu(*k, tisch, rechner) {
        station("Gastraum", {"1"});
        kellner("Tom", "2000", "2001", {"Gastraum"});
        artikel("12", "Pils", 350);
        amTisch("Tom", "Gastraum", "1");
        offeneZeile("12", 2);
    }

    QStringList zeilen() {
        QStringList liste;
        Abfrage a = db->abfrage("SELECT TischDetails, PLU, Menge FROM OffeneTische ORDER BY ID");
        while (a.naechste()) liste << a.text(0) + ' ' + a.text(1) + ' ' + a.text(2);
        return liste;
    }

    frmTisch tisch;
    frmTastenMenu2 rechner;
    frmTastenMenu1 menu;
};

}  // namespace

TEST_F(TastenMenu1Test, EveryTillKeyFollowsItsRightAndTheTillLock) {
    QSignalSpy umbuchen(&menu, &frmTastenMenu1::umbuchen);
    QSignalSpy kassieren(&menu, &frmTastenMenu1::kassieren);
    struct Taste {
        int code;
        const char* recht;
        std::function<bool()> erreicht;  // the key's action started
    };
    const Taste tasten[] = {
        {Tastencode::kUmbuchen, "Umbuchen", [&] { return umbuchen.count() == 1; }},
        {Tastencode::kStorno, "Stornieren", [&] { return dialoge.aufforderungen.size() == 1; }},
        {Tastencode::kTischLoeschen, "TischeLoeschen", [&] { return dialoge.fragen.size() == 1; }},
        {Tastencode::kTotal, "Abkassieren", [&] { return kassieren.count() == 1; }},
    };
    enum class Stand { Ohne, Mit, MitKassensperre };
    for (const Taste& t : tasten) {
        for (Stand stand : {Stand::Ohne, Stand::Mit, Stand::MitKassensperre}) {
            Transaktion probe(*db);
            if (stand != Stand::Ohne)
                db->ausfuehren(QStringLiteral("UPDATE Kellner SET %1 = 1").arg(t.recht));
            if (stand == Stand::MitKassensperre)
                db->ausfuehren(QStringLiteral("UPDATE Kellner SET KASSENSPERRE = 1"));
            tisch.oeffnen();
            dialoge = SkriptDialoge();
            umbuchen.clear();
            kassieren.clear();
            drucker.auftraege.clear();
            const QStringList vorher = zeilen();

            menu.TastenMenu1(t.code);
            const bool erlaubt = stand == Stand::Mit;
            const std::string fall = std::string(t.recht) + ' ' + std::to_string(int(stand));
            EXPECT_EQ(t.erreicht(), erlaubt) << fall;
            if (erlaubt) continue;
            EXPECT_EQ(dialoge.meldungen, QStringList{kKeineRechte}) << fall;
            EXPECT_TRUE(dialoge.fragen.isEmpty() && dialoge.aufforderungen.isEmpty()) << fall;
            EXPECT_EQ(zeilen(), vorher) << fall;
            EXPECT_TRUE(drucker.auftraege.empty()) << fall;
        }
    }
}

TEST_F(TastenMenu1Test, TheNoteKeyAsksForTheNoteOfTheCurrentLine) {
    tisch.oeffnen();
    dialoge.eingaben = {QStringLiteral("ohne Eis")};
    menu.TastenMenu1(Tastencode::kNotiz);
    EXPECT_EQ(dialoge.aufforderungen, QStringList{"Notiz für die Küche:"});
    // The beers are sent: no note for them any more.
    EXPECT_EQ(dialoge.meldungen, QStringList{kNotizNurNeu});
}
