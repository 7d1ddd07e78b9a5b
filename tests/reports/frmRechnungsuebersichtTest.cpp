#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "reports/Rechnungen.h"
#include "reports/frmRechnungsuebersicht.h"
#include "support/DbTest.h"

namespace {

class frmRechnungsuebersichtTest : public DbTest {};

TEST_F(frmRechnungsuebersichtTest, OpensOnTheLastBillAndChangesItsPaymentType) {
    kellner("Chef", "1", "", {"AlleRechnungenAnsehen", "RechnungsUebersicht", "ZahlartAendern"});
    k->werte.kellner = QStringLiteral("Chef");
    rechnung(*db, QDate(2026, 12, 6), "Gastraum", "Anna", 1000, 0, 0);
    rechnung(*db, QDate(2026, 12, 6), "Gastraum", "Chef", 0, 2500, 0);
    frmRechnungsuebersicht fenster(*k);
    fenster.show();

    auto* liste = fenster.findChild<QTableWidget*>(QStringLiteral("DataGrid1"));
    auto* zeilen = fenster.findChild<QTableWidget*>(QStringLiteral("DataGrid2"));
    ASSERT_EQ(liste->rowCount(), 2);
    EXPECT_EQ(liste->currentRow(), 1);
    EXPECT_EQ(liste->item(1, 7)->text(), "0,00 €");
    EXPECT_EQ(liste->item(1, 8)->text(), "25,00 €");
    EXPECT_EQ(zeilen->rowCount(), 1);
    auto* karte = fenster.findChild<QRadioButton*>(QStringLiteral("Option1_1"));
    EXPECT_TRUE(karte->isChecked());

    liste->setCurrentCell(0, 1);
    auto* bar = fenster.findChild<QRadioButton*>(QStringLiteral("Option1_0"));
    EXPECT_TRUE(bar->isChecked());
    dialoge.jaNein = {true};
    karte->click();
    EXPECT_EQ(dialoge.fragen,
              QStringList({"Möchten sie wirklich die Zahlungsart von 'BAR' in 'KARTE' ändern"}));
    ASSERT_EQ(liste->rowCount(), 1);
    EXPECT_EQ(liste->item(0, 7)->text(), "KARTE");
    EXPECT_TRUE(karte->isChecked());
}

TEST_F(frmRechnungsuebersichtTest, DatesReadGermanAndARangeWithoutBillsEmptiesTheLines) {
    kellner("Chef", "1", "", {"AlleRechnungenAnsehen", "RechnungsUebersicht"});
    k->werte.kellner = QStringLiteral("Chef");
    rechnung(*db, QDate(2026, 12, 6), "Gastraum", "Chef", 1000, 0, 0);
    frmRechnungsuebersicht fenster(*k);
    auto* liste = fenster.findChild<QTableWidget*>(QStringLiteral("DataGrid1"));
    auto* zeilen = fenster.findChild<QTableWidget*>(QStringLiteral("DataGrid2"));
    const auto texte = [](const QTableWidget* raster) {
        QStringList alle;
        for (int s = 0; s < raster->columnCount(); ++s) alle << raster->item(0, s)->text();
        return alle;
    };
    ASSERT_EQ(zeilen->rowCount(), 1);
    EXPECT_TRUE(texte(liste).contains("06.12.2026"));

    fenster.findChild<QDateEdit*>(QStringLiteral("DTPickerVon"))->setDate(QDate(2026, 12, 1));
    fenster.findChild<QDateEdit*>(QStringLiteral("DTPickerBis"))->setDate(QDate(2026, 12, 2));
    fenster.findChild<QPushButton*>(QStringLiteral("cmdVonBisAnzeigen"))->click();
    EXPECT_EQ(liste->rowCount(), 0);
    EXPECT_EQ(zeilen->rowCount(), 0);
}

TEST_F(frmRechnungsuebersichtTest, MenuEntryNeedsTheRight) {
    kellner("Anna", "2");
    k->werte.kellner = QStringLiteral("Anna");
    frmRechnungsuebersicht::Zeigen(*k, nullptr);
    EXPECT_EQ(dialoge.meldungen,
              QStringList({"Sie haben nicht die nötigen Rechte, um diese Aktion auszuführen"}));
}

}  // namespace
