#include <QDir>

#include "druck/Druckauftraege.h"
#include "druck/Druckrollen.h"
#include "druck/Druckwarteschlange.h"
#include "service/Abkassieren.h"
#include "service/Tischverlassen.h"
#include "service/Tischzeilen.h"
#include "support/DbTest.h"
#include "support/Posten.h"
#include "support/VollerOrdner.h"
#include "ui/widgets/Drucker.h"

using Druckausfall = DbTest;

// With no printer the till writes PDF files; a full or read-only disk must be
// as plain a failure as a printer out of paper: the jobs wait, the waiter
// walks on.
TEST_F(Druckausfall, PdfFilesOnAFullDiskWaitAndNothingElseStops) {
    for (const char* rolle : {"Thekendrucker", "Küchendrucker", "Kassenbon"})
        DruckerZuordnen(*db, rolle, kPdfOrdner);
    kellner("Tom", "2000");
    for (const bool nurLesen : {false, true}) {
        SCOPED_TRACE(nurLesen ? "read-only" : "full");
        VollerOrdner voll(nurLesen);
        if (!voll.bereit()) GTEST_SKIP() << "mounting a small file system needs root";
        const Cupsausgang ausgang(QFileInfo(voll.belege()).path());
        Druckwarteschlange queue(*db, uhr, [] {});
        Kontext kasse(*db, uhr, dialoge, queue);
        kasse.werte.kellner = QStringLiteral("Tom");
        kasse.werte.station = QStringLiteral("Gastraum");
        kasse.werte.tisch = QStringLiteral("5");
        db->ausfuehren(QStringLiteral("DELETE FROM Druckauftraege"));
        Posten neu;
        neu.details = QStringLiteral("Neu");
        PostenAnlegen(*db, neu);
        PostenAnlegen(*db, Posten().aufZahlliste());

        EXPECT_TRUE(TischVerlassen(kasse));
        EXPECT_TRUE(Abkassieren(kasse, kKassenbon, kBar, {}));
        DruckauftraegeAbarbeiten(*db, ausgang);
        const auto auftraege = DruckauftraegeLesen(*db, ausgang);
        // The ticket failed; the receipt waits behind it on the same printer.
        ASSERT_EQ(auftraege.size(), 2u);
        EXPECT_EQ(auftraege[0].status, kAuftragFehler);
        EXPECT_TRUE(auftraege[0].fehler.contains(voll.belege()))
            << auftraege[0].fehler.toStdString();
        EXPECT_EQ(auftraege[1].status, kAuftragWartet);
        EXPECT_EQ(auftraege[1].rolle, kRolleKassenbon);
        EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());
        EXPECT_EQ(QDir(voll.belege()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}
