#include "druck/Druckrollen.h"
#include "reports/Berichte.h"
#include "reports/Berichtslayouts.h"
#include "reports/Berichtspapier.h"
#include "support/DbTest.h"
#include "support/Testausgang.h"

using Berichtspapiere = DbTest;

// Reports come out on A4 where the reports' printer takes sheets (a sheet
// queue, the PDF folder, no printer known at all), on the roll elsewhere.
TEST_F(Berichtspapiere, AReportIsLaidOutForThePaperOfItsPrinter) {
    Testausgang ausgang({"Bondrucker", "Buero"}, "Bondrucker");
    ausgang.blattdrucker("Buero");
    const struct {
        const Druckerausgang* ausgang;
        QString drucker;  // chosen for "Berichte"; empty: the default
        double breite;
    } faelle[] = {{nullptr, "", kA4Breite},
                  {&ausgang, "Buero", kA4Breite},
                  {&ausgang, kPdfOrdner, kA4Breite},
                  {&ausgang, "", kBonbreite},
                  {&ausgang, "Bondrucker", kBonbreite}};
    const QDate tag(2026, 12, 6);
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.drucker.toStdString());
        k->druckerausgang = f.ausgang;
        db->ausfuehren("DELETE FROM Druckerzuordnung");
        if (!f.drucker.isEmpty()) DruckerZuordnen(*db, kRolleBerichte, f.drucker);
        for (const Dokument& d :
             {KassenberichtErzeugen(*k, tag, tag), UmsatzberichtErzeugen(*k, tag, tag)}) {
            EXPECT_EQ(d.breite, f.breite);
            EXPECT_EQ(d.text(kKopf, "lblDatum"), "06.12.2026");
        }
    }
    // On the roll every control stays inside the paper and readable.
    const Berichtslayout rolle = AufRolle(ReportKassenbericht());
    for (const Berichtselement& e : rolle.bereich(kDetail).elemente) {
        EXPECT_LE(e.lage.right(), kBonbreite) << e.name.toStdString();
        EXPECT_GE(e.schrift.punkt, 7) << e.name.toStdString();
    }
}
