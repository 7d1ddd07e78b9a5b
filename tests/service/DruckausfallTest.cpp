#include <QDir>

#include "service/Abkassieren.h"
#include "service/Tischverlassen.h"
#include "service/Tischzeilen.h"
#include "support/DbTest.h"
#include "support/Posten.h"
#include "support/VollerOrdner.h"
#include "ui/bericht/PdfDrucker.h"

namespace {

int zahl(Datenbank& db, const QString& sql) {
    Abfrage a = db.abfrage(sql);
    a.naechste();
    return static_cast<int>(a.zahl(0));
}

}  // namespace

using Druckausfall = DbTest;

// With no printer the till writes PDF files; a full disk must be as plain a
// failure as a printer out of paper.
TEST_F(Druckausfall, PdfFilesOnAFullDiskFailOpenlyAndChangeNothingTheyAnnounce) {
    VollerOrdner voll;
    if (!voll.bereit()) GTEST_SKIP() << "mounting a small file system needs root";
    PdfDrucker pdf(voll.belege());
    Kontext kasse(*db, uhr, dialoge, pdf);
    kellner("Tom", "2000");
    kasse.werte.kellner = QStringLiteral("Tom");
    kasse.werte.station = QStringLiteral("Gastraum");
    kasse.werte.tisch = QStringLiteral("5");
    Posten neu;
    neu.details = QStringLiteral("Neu");
    PostenAnlegen(*db, neu);
    PostenAnlegen(*db, Posten().aufZahlliste());

    // A kitchen ticket that cannot be written leaves its line new.
    EXPECT_FALSE(TischVerlassen(kasse));
    EXPECT_EQ(zahl(*db, "SELECT count(*) FROM OffeneTische WHERE TischDetails = 'Neu'"), 1);
    ASSERT_EQ(dialoge.fehlermeldungen.size(), 1);
    EXPECT_TRUE(dialoge.fehlermeldungen[0].startsWith("Fehlernummer 482\n"));
    EXPECT_TRUE(dialoge.fehlermeldungen[0].contains(voll.belege()));

    // A receipt that cannot be written after the bill is stored says so.
    EXPECT_TRUE(Abkassieren(kasse, kKassenbon, kBar, {}));
    EXPECT_EQ(zahl(*db, "SELECT count(*) FROM Rechnungsuebersicht"), 1);
    EXPECT_EQ(dialoge.fehlermeldungen.size(), 2);
    EXPECT_EQ(dialoge.meldungen, QStringList{BelegNichtGedruckt(1)});

    EXPECT_EQ(QDir(voll.belege()).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_TRUE(pdf.letzteDatei().isEmpty());
}
