#include <QPrinterInfo>

#include "druck/Druckauftraege.h"
#include "druck/Druckerausgang.h"
#include "druck/Druckrollen.h"
#include "druck/Druckwarteschlange.h"
#include "druck/Testseite.h"
#include "support/DbTest.h"
#include "support/EigenesCups.h"
#include "ui/widgets/Drucker.h"

using Cups = DbTest;

// Against a CUPS scheduler of the test's own with the queue "Kueche": a job
// to it is handed over; one to a queue CUPS does not know, or to a queue that
// refuses jobs, waits with the queue's state; a stopped queue is shown so.
TEST_F(Cups, AJobReachesAKnownQueueAndOtherwiseWaitsWithTheQueuesState) {
    EigenesCups cups(QStringLiteral("Kueche"));
    if (!cups.bereit()) GTEST_SKIP() << "no CUPS scheduler could be started";
    ASSERT_EQ(QPrinterInfo::availablePrinterNames(), QStringList{"Kueche"});
    const Cupsausgang ausgang(ordner.path());
    Druckwarteschlange queue(*db, uhr, [] {});
    DruckerZuordnen(*db, "Küchendrucker", "Kueche");
    DruckerZuordnen(*db, "Thekendrucker", "Abgebaut");
    EXPECT_EQ(ausgang.zustand("Kueche"), QString());
    EXPECT_EQ(ausgang.zustand(kPdfOrdner), QString());
    queue.drucken(Testseite("Küchendrucker", "Kueche", uhr.jetzt()));
    queue.drucken(Testseite("Thekendrucker", "Abgebaut", uhr.jetzt()));
    EXPECT_EQ(DruckauftraegeAbarbeiten(*db, ausgang), 1);
    auto auftraege = DruckauftraegeLesen(*db, ausgang);
    ASSERT_EQ(auftraege.size(), 2u);
    EXPECT_EQ(auftraege[0].drucker, "Abgebaut");
    EXPECT_EQ(auftraege[0].status, kAuftragFehler);
    EXPECT_EQ(auftraege[0].fehler, CupsUnbekannt("Abgebaut"));
    EXPECT_EQ(auftraege[0].zustand, CupsUnbekannt("Abgebaut"));
    EXPECT_EQ(auftraege[1].drucker, "Kueche");
    EXPECT_EQ(auftraege[1].status, kAuftragGedruckt);

    ASSERT_TRUE(EigenesCups::befehl("cupsdisable", {"Kueche"}));
    EXPECT_EQ(ausgang.zustand("Kueche"), CupsAngehalten("Kueche"));
    ASSERT_TRUE(EigenesCups::befehl("cupsreject", {"Kueche"}));
    EXPECT_EQ(ausgang.zustand("Kueche"), CupsNimmtNichts("Kueche"));
    queue.drucken(Testseite("Küchendrucker", "Kueche", uhr.jetzt()));
    EXPECT_EQ(DruckauftraegeAbarbeiten(*db, ausgang), 0);
    auftraege = DruckauftraegeLesen(*db, ausgang);
    ASSERT_EQ(auftraege.size(), 3u);
    EXPECT_EQ(auftraege[1].fehler, CupsNimmtNichts("Kueche"));
}
