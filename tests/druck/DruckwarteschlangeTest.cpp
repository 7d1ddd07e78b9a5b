#include <QElapsedTimer>
#include <QThread>

#include "core/Rechteschluessel.h"
#include "druck/Auftragsaktionen.h"
#include "druck/Druckarbeiter.h"
#include "druck/Druckauftraege.h"
#include "druck/Druckrollen.h"
#include "druck/Druckwarteschlange.h"
#include "service/Eintragen.h"
#include "service/Raumzugang.h"
#include "service/Tischverlassen.h"
#include "support/DbTest.h"
#include "support/Testausgang.h"

namespace {

// A table at which a waiter orders drinks (bar role) and food (kitchen role),
// with the till printing through the queue onto three test printers.
class Druckwarteschlangen : public DbTest {
  protected:
    Druckwarteschlangen()
        : queue(*db, uhr, [this] { ++angestossen; }), kasse(*db, uhr, dialoge, queue) {
        station("Gastraum", {"1"});
        kellner("Tom", "2000");
        artikel("12", "Pils", 350);
        artikel("20", "Schnitzel", 1290, "Hauptgerichte", "Speisen", "Küchendrucker");
        amTisch("Tom", "Gastraum", "1");
        kasse.werte = k->werte;
        DruckerZuordnen(*db, "THEKENdrucker", "Theke");
        DruckerZuordnen(*db, "Küchendrucker", "Küche");
    }

    void bestellen(const QString& plu, const QString& menge) {
        ASSERT_TRUE(GerichtEintragen(kasse, plu, menge));
    }
    int abarbeiten() { return DruckauftraegeAbarbeiten(*db, ausgang); }
    QStringList stati() {
        QStringList s;
        for (const Druckauftrag& a : DruckauftraegeLesen(*db, ausgang))
            s << QStringLiteral("%1 %2 %3").arg(a.titel, a.drucker, a.status);
        return s;
    }
    int neue() {
        auto a = db->abfrage(
            QStringLiteral("SELECT count(*) FROM OffeneTische WHERE TischDetails = 'Neu'"));
        a.naechste();
        return static_cast<int>(a.zahl(0));
    }
    std::int64_t auftrag(const QString& titel) {
        auto a = db->abfrage(QStringLiteral("SELECT max(ID) FROM Druckauftraege WHERE Titel = ?"),
                             titel);
        a.naechste();
        return a.zahl(0);
    }

    Testausgang ausgang{{"Theke", "Küche", "Kasse"}, "Kasse"};
    int angestossen = 0;
    Druckwarteschlange queue;
    Kontext kasse;
};

TEST_F(Druckwarteschlangen, EachRoleToItsPrinterAndAFailingPrinterKeepsItsJobsInOrder) {
    bestellen("12", "3");
    bestellen("20", "1");
    ausgang.stoeren("Küche", true);
    // The waiter leaves whatever the printers do: lines sent, tickets stored.
    EXPECT_TRUE(TischVerlassen(kasse));
    EXPECT_EQ(neue(), 0);
    EXPECT_EQ(angestossen, 2);
    EXPECT_EQ(abarbeiten(), 1);
    EXPECT_EQ(ausgang.gedruckt("Theke"), QStringList{"Thekenbon"});
    EXPECT_EQ(ausgang.dokumente("Theke")[0].text(kDetail, "txtGericht", 0), "Pils");
    EXPECT_EQ(ausgang.gedruckt("Kasse"), QStringList());
    EXPECT_EQ(DruckstandLesen(*db).wartend, 1);
    EXPECT_EQ(DruckstandLesen(*db).gestoert, 1);

    // The next ticket of the failed printer waits behind the first one.
    bestellen("20", "2");
    EXPECT_TRUE(TischVerlassen(kasse));
    EXPECT_EQ(abarbeiten(), 0);
    EXPECT_EQ(stati(), QStringList({"Küchenbon Küche Fehler", "Küchenbon Küche wartet",
                                    "Thekenbon Theke gedruckt"}));
    EXPECT_EQ(DruckauftraegeLesen(*db, ausgang)[0].fehler, "Papierende");

    ausgang.stoeren("Küche", false);
    EXPECT_EQ(abarbeiten(), 2);
    const auto kueche = ausgang.dokumente("Küche");
    ASSERT_EQ(kueche.size(), 2u);
    EXPECT_EQ(kueche[0].text(kDetail, "txtSummeMenge", 0), "1x");
    EXPECT_EQ(kueche[1].text(kDetail, "txtSummeMenge", 0), "2x");
    EXPECT_EQ(kueche[0].text(kKopf, "lblDruckerstation"), "Küchenbon");
    EXPECT_EQ(DruckstandLesen(*db).wartend, 0);
    // A printed job names the printer it came out on, whatever is chosen since.
    DruckerZuordnen(*db, "Thekendrucker", "Kasse");
    EXPECT_EQ(stati().last(), "Thekenbon Theke gedruckt");
    EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());
}

// Every way a job can fail to come out leaves it waiting, named with its
// printer and, for a queue CUPS refuses, with the queue's state.
TEST_F(Druckwarteschlangen, AJobThatCannotPrintWaitsAndSaysWhy) {
    struct Fall {
        const char* drucker;
        bool kaputt;
        QString zustand;  // of the queue, as CUPS tells it
        QString fehler;
    };
    for (const Fall& f :
         {Fall{"Weg", false, CupsUnbekannt("Weg"), CupsUnbekannt("Weg")},
          Fall{"Küche", true, "", "Papierende"},
          Fall{"Kasse", false, CupsNimmtNichts("Kasse"), CupsNimmtNichts("Kasse")}}) {
        SCOPED_TRACE(f.drucker);
        DruckerZuordnen(*db, "Küchendrucker", f.drucker);
        ausgang.stoeren("Küche", f.kaputt);
        if (!f.zustand.isEmpty() && ausgang.warteschlangen().contains(f.drucker))
            ausgang.zustandSetzen(f.drucker, f.zustand);
        bestellen("20", "1");
        ASSERT_TRUE(TischVerlassen(kasse));
        abarbeiten();
        const Druckauftrag a = DruckauftraegeLesen(*db, ausgang).front();
        EXPECT_EQ(a.drucker, f.drucker);
        EXPECT_EQ(a.status, kAuftragFehler);
        EXPECT_EQ(a.fehler, f.fehler);
        EXPECT_EQ(a.zustand, f.zustand);
        EXPECT_EQ(DruckstandLesen(*db).gestoert, 1);  // the mark turns red
        db->ausfuehren(QStringLiteral("DELETE FROM Druckauftraege"));
    }
}

TEST_F(Druckwarteschlangen, RedirectReprintAndPdfAndTheirRefusals) {
    ausgang.stoeren("Küche", true);
    bestellen("20", "1");
    ASSERT_TRUE(TischVerlassen(kasse));
    abarbeiten();
    const std::int64_t id = auftrag("Küchenbon");

    EXPECT_FALSE(DruckauftragErneut(kasse, id + 99));  // no such job: nothing happens
    EXPECT_TRUE(DruckauftragUmleiten(kasse, id, "Theke"));
    EXPECT_FALSE(DruckauftragErneut(kasse, id));
    EXPECT_EQ(abarbeiten(), 1);
    EXPECT_EQ(ausgang.gedruckt("Theke"), QStringList{"Küchenbon"});

    EXPECT_TRUE(DruckauftragErneut(kasse, id));
    EXPECT_EQ(abarbeiten(), 1);
    EXPECT_EQ(ausgang.gedruckt("Theke").size(), 2);

    db->ausfuehren(QStringLiteral("UPDATE Druckauftraege SET Status = ?"), kAuftragDruckt);
    EXPECT_FALSE(DruckauftragErneut(kasse, id));
    EXPECT_FALSE(DruckauftragUmleiten(kasse, id, "Kasse"));

    kellner("Eva", "3000", {}, {Rechte::kVerwaltungssperre});
    kasse.werte.kellner = "Eva";
    EXPECT_FALSE(DruckauftragUmleiten(kasse, id, "Kasse"));
    EXPECT_EQ(dialoge.meldungen, QStringList({kAuftragWartetSchon, kAuftragImDruck, kAuftragImDruck,
                                              *VerwaltungGesperrt(kasse)}));

    const QString datei = DruckauftragAlsPdf(kasse, id, ordner.filePath("Belege"));
    EXPECT_TRUE(datei.endsWith(".pdf"));
    EXPECT_TRUE(QFileInfo(datei).size() > 0);
    EXPECT_EQ(stati(), QStringList{"Küchenbon Theke druckt"});
}

// Killed while a job was on the printer: it prints once more, marked, since
// no one knows whether it came out. Killed before: it prints once, unmarked.
TEST_F(Druckwarteschlangen, AfterAKillTheJobOnThePrinterComesOutOnceMoreMarked) {
    bestellen("12", "1");
    bestellen("20", "1");
    ASSERT_TRUE(TischVerlassen(kasse));
    db->ausfuehren(QStringLiteral("UPDATE Druckauftraege SET Status = ? WHERE ID = ?"),
                   kAuftragDruckt, auftrag("Thekenbon"));
    for (int start = 0; start < 2; ++start) {
        DruckauftraegeNachStart(*db, uhr.jetzt().date());
        abarbeiten();
    }
    const auto theke = ausgang.dokumente("Theke");
    ASSERT_EQ(theke.size(), 1u);
    EXPECT_EQ(theke[0].titel, "Wiederholung Thekenbon");
    EXPECT_EQ(theke[0].text(kKopf, "lblWiederholung"), "Wiederholung");
    EXPECT_EQ(theke[0].text(kKopf, "lblDruckerstation"), "Thekenbon");
    const auto kueche = ausgang.dokumente("Küche");
    ASSERT_EQ(kueche.size(), 1u);
    EXPECT_EQ(kueche[0].text(kKopf, "lblWiederholung"), "");
    EXPECT_EQ(kueche[0].text(kDetail, "txtGericht", 0), "Schnitzel");
}

// The worker prints on its own threads: the waiter never waits for a stalled
// printer, another printer's tickets come out meanwhile, and what waited
// behind the stalled one prints, in order, once it answers.
TEST_F(Druckwarteschlangen, TheWorkerPrintsOffTheWaitersPathAndRecoversAStalledPrinter) {
    Druckarbeiter arbeiter(*db, ausgang, uhr.jetzt().date(), std::chrono::milliseconds(20));
    Druckwarteschlange echt(*db, uhr, [&] { arbeiter.anstossen(); });
    Kontext programm(*db, uhr, dialoge, echt);
    programm.werte = kasse.werte;
    std::atomic<int> gemeldet = 0;
    QObject::connect(
        &arbeiter, &Druckarbeiter::stand, &arbeiter, [&](int wartend, int) { gemeldet = wartend; },
        Qt::DirectConnection);
    ausgang.anhalten("Theke", true);
    arbeiter.start();

    const auto bis = [](auto bedingung) {
        QElapsedTimer t;
        t.start();
        while (!bedingung() && t.elapsed() < 5000) QThread::msleep(2);
        return bedingung();
    };
    ASSERT_TRUE(GerichtEintragen(programm, "12", "2"));
    ASSERT_TRUE(GerichtEintragen(programm, "20", "1"));
    EXPECT_TRUE(TischVerlassen(programm));
    EXPECT_TRUE(bis([&] { return ausgang.haengend() == 1; }));
    EXPECT_TRUE(bis([&] { return ausgang.gedruckt("Küche").size() == 1; }));

    // With the worker stuck in the printer, the next leave is as quick as ever.
    ASSERT_TRUE(GerichtEintragen(programm, "12", "1"));
    ASSERT_TRUE(GerichtEintragen(programm, "20", "1"));
    QElapsedTimer uhrwerk;
    uhrwerk.start();
    EXPECT_TRUE(TischVerlassen(programm));
    EXPECT_LT(uhrwerk.elapsed(), 500);
    EXPECT_TRUE(bis([&] { return ausgang.gedruckt("Küche").size() == 2; }));
    // What the mark reads meanwhile: the stalled printer's two tickets.
    EXPECT_TRUE(bis([&] { return DruckstandLesen(*db).wartend == 2; }));
    EXPECT_EQ(ausgang.gedruckt("Theke"), QStringList());

    ausgang.anhalten("Theke", false);
    EXPECT_TRUE(bis([&] { return ausgang.gedruckt("Theke").size() == 2; }));
    const auto theke = ausgang.dokumente("Theke");
    EXPECT_EQ(theke[0].text(kDetail, "txtSummeMenge", 0), "2x");
    EXPECT_EQ(theke[1].text(kDetail, "txtSummeMenge", 0), "1x");
    EXPECT_TRUE(bis([&] { return gemeldet == 0; }));
}

}  // namespace

// On a shared database each till prints its own tickets: another till's jobs
// are neither printed, counted nor listed here; a job from before tills had
// names is this till's.
TEST_F(Druckwarteschlangen, EachTillPrintsOnlyItsOwnJobs) {
    bestellen("12", "1");
    ASSERT_TRUE(TischVerlassen(kasse));
    db->ausfuehren(
        "INSERT INTO Druckauftraege (Rolle, Titel, Dokument, Status, Datum, Zeit, "
        "Kasse) SELECT Rolle, 'Fremdbon', Dokument, Status, Datum, Zeit, 'Theke' "
        "FROM Druckauftraege");
    db->ausfuehren(
        "INSERT INTO Druckauftraege (Rolle, Titel, Dokument, Status, Datum, Zeit) "
        "SELECT Rolle, 'Altbon', Dokument, Status, Datum, Zeit FROM Druckauftraege "
        "WHERE Titel = 'Thekenbon'");
    EXPECT_EQ(DruckstandLesen(*db).wartend, 2);
    EXPECT_EQ(abarbeiten(), 2);
    EXPECT_EQ(ausgang.gedruckt("Theke").size(), 2);
    EXPECT_EQ(stati(), QStringList({"Altbon Theke gedruckt", "Thekenbon Theke gedruckt"}));
}
