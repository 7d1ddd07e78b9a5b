#include <QPrinterInfo>

#include "druck/Druckauftraege.h"
#include "druck/Druckrollen.h"
#include "druck/Druckwarteschlange.h"
#include "druck/Testseite.h"
#include "support/DbTest.h"
#include "ui/widgets/Drucker.h"

using Cups = DbTest;

// Against the machine's CUPS scheduler (CUPS_SERVER may name a private one):
// a job to a queue it knows is handed over, one to a queue it does not know waits.
TEST_F(Cups, AJobReachesAKnownQueueAndOneForAnUnknownQueueWaits) {
    const QStringList warteschlangen = QPrinterInfo::availablePrinterNames();
    if (warteschlangen.isEmpty()) GTEST_SKIP() << "no CUPS scheduler with a queue";
    const Cupsausgang ausgang(ordner.path());
    Druckwarteschlange queue(*db, uhr, [] {});
    DruckerZuordnen(*db, "Küchendrucker", warteschlangen.first());
    DruckerZuordnen(*db, "Thekendrucker", "Abgebaut");
    queue.drucken(Testseite("Küchendrucker", warteschlangen.first(), uhr.jetzt()));
    queue.drucken(Testseite("Thekendrucker", "Abgebaut", uhr.jetzt()));
    EXPECT_EQ(DruckauftraegeAbarbeiten(*db, ausgang), 1);
    const auto auftraege = DruckauftraegeLesen(*db, ausgang);
    ASSERT_EQ(auftraege.size(), 2u);
    EXPECT_EQ(auftraege[0].drucker, "Abgebaut");
    EXPECT_EQ(auftraege[0].status, kAuftragFehler);
    EXPECT_EQ(auftraege[0].fehler, "Der Drucker \"Abgebaut\" ist nicht verfügbar.");
    EXPECT_EQ(auftraege[1].drucker, warteschlangen.first());
    EXPECT_EQ(auftraege[1].status, kAuftragGedruckt);
}
