#include <QAction>
#include <QMenu>

#include "core/MDIHauptmenu.h"
#include "core/Rechte.h"
#include "reports/MDIBerichtsmenu.h"
#include "reports/Rechnungen.h"
#include "support/DbTest.h"

namespace {

class MDIBerichtsmenuTest : public DbTest {
  protected:
    std::int64_t anzahl(const QString& tabelle) {
        Abfrage a = db->abfrage(QStringLiteral("SELECT COUNT(*) FROM ") + tabelle);
        a.naechste();
        return a.zahl(0);
    }
};

TEST_F(MDIBerichtsmenuTest, TillClosingFromTheMenuFoldsAndDeletesTheBills) {
    kellner("Chef", "1", "", {"Kassenabschluss"});
    k->werte.kellner = QStringLiteral("Chef");
    rechnung(*db, QDate(2026, 12, 6), "Gastraum", "Chef", 1500, 0, 0);
    rechnung(*db, QDate(2026, 12, 6), "Außer Haus", "Chef", 0, 700, 0);
    MDIHauptmenu hauptmenu(*k);
    BerichtsmenuEinrichten(hauptmenu, *k);

    QStringList eintraege;
    for (QAction* a : hauptmenu.menu()->actions())
        if (!a->isSeparator()) eintraege << a->text();
    EXPECT_EQ(eintraege, QStringList({"&Rechnungsübersicht", "Kassen&bericht Drucken",
                                      "&Kellnerbericht Drucken", "Kassen&abschluss",
                                      "&Journal exportieren", "DSFinV-&K-Export", "&Datensicherung",
                                      "Tisch &freigeben", "Kasse sch&ließen"}));

    dialoge.jaNein = {true};
    hauptmenu.findChild<QAction*>(QStringLiteral("mnuKassenabschluss"))->trigger();
    EXPECT_EQ(dialoge.vorschauen, 2);
    EXPECT_EQ(anzahl("Rechnungsuebersicht"), 0);
    EXPECT_EQ(anzahl("RechnungDetails"), 0);
    Abfrage a =
        db->abfrage(QStringLiteral("SELECT Datum, Lokal, \"AußerHaus\", Gesamt FROM AlleUmsaetze"));
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.text(0), "2026-12-06");
    EXPECT_EQ(a.zahl(1), 1500);
    EXPECT_EQ(a.zahl(2), 700);
    EXPECT_EQ(a.zahl(3), 2200);
    EXPECT_FALSE(a.naechste());

    // The closing's right also exports the journal, to a folder and days asked.
    QTemporaryDir ziel;
    dialoge.eingaben = {ziel.path(), QStringLiteral("2026-12-06"), QStringLiteral("2026-12-06")};
    hauptmenu.findChild<QAction*>(QStringLiteral("mnuJournalExport"))->trigger();
    EXPECT_EQ(dialoge.meldungen.last(), QStringLiteral("Journal exportiert: 0 Rechnungen und 1 "
                                                       "Kassenabschlüsse nach '%1'.")
                                            .arg(ziel.path()));
    kellner("Tom", "2");
    k->werte.kellner = QStringLiteral("Tom");
    hauptmenu.findChild<QAction*>(QStringLiteral("mnuJournalExport"))->trigger();
    EXPECT_EQ(dialoge.meldungen.last(), kKeineRechte);
    EXPECT_TRUE(dialoge.unerwartet.isEmpty());
}

}  // namespace
