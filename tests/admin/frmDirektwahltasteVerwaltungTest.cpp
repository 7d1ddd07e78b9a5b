#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "admin/frmArtikelgruppetaste.h"
#include "admin/frmDirektwahltasteVerwaltung.h"
#include "admin/frmHaupttaste.h"
#include "support/DbTest.h"

namespace {

class TastenBildschirm : public DbTest {
protected:
    TastenBildschirm() {
        for (const char* wg : {"Bier", "Wein"}) {
            db->ausfuehren(
                "INSERT INTO WarengruppeTasten (WG, Tastenreihe) VALUES (?, "
                "(SELECT COUNT(*) + 1 FROM WarengruppeTasten))",
                QString::fromUtf8(wg));
            db->ausfuehren("INSERT INTO ArtikelTasten (WG, SP1, SP1PLU) VALUES (?, ?, '1')",
                           QString::fromUtf8(wg), QString::fromUtf8(wg) + "1");
        }
    }

    std::int64_t reihe(const QString& wg) { return ArtikeltastenLesen(*k, wg).at(0).id; }

    static void klick(QWidget* fenster, const char* name) {
        QTest::mouseClick(fenster->findChild<QPushButton*>(name), Qt::LeftButton);
    }
};

}  // namespace

TEST_F(TastenBildschirm, ANewMainKeyIsChosenWithItsEmptyGridAndRemovedAgain) {
    frmDirektwahltasteVerwaltung fenster(*k);
    fenster.resize(1200, 700);
    fenster.show();
    auto* raster = fenster.findChild<QTableWidget*>("grdWahltasten");
    EXPECT_EQ(raster->rowCount(), 1);
    EXPECT_EQ(raster->item(0, 0)->text(), "Bier1");

    klick(&fenster, "cmdNeueHaupttaste");
    const auto haupttasten = fenster.findChildren<QPushButton*>("cmdHaupttaste");
    ASSERT_EQ(haupttasten.size(), 3);
    EXPECT_EQ(haupttasten.last()->text(), "Hapttaste 3");
    EXPECT_TRUE(haupttasten.last()->isChecked());
    EXPECT_EQ(raster->rowCount(), 6);

    dialoge.jaNein = {true};
    klick(&fenster, "cmdHaupttasteEntfernen");
    EXPECT_EQ(fenster.findChildren<QPushButton*>("cmdHaupttaste").size(), 2);
    EXPECT_EQ(raster->item(0, 0)->text(), "Bier1");
}

TEST_F(TastenBildschirm, TheKeyEditorLooksUpAnArticleAndStoresItOnTheKey) {
    artikel("12", "Pils", 350);
    frmArtikelgruppetaste editor(*k, "Bier", reihe("Bier"), 2, {});
    editor.show();
    QTest::keyClicks(editor.findChild<QLineEdit*>("txtSuchPLU"), "13");
    EXPECT_EQ(editor.findChild<QLineEdit*>("txtGericht")->text(), "PLU ='13' ist nicht vorhanden");
    QTest::keyClick(editor.findChild<QLineEdit*>("txtSuchPLU"), Qt::Key_Backspace);
    QTest::keyClicks(editor.findChild<QLineEdit*>("txtSuchPLU"), "2");
    EXPECT_EQ(editor.findChild<QLineEdit*>("txtGericht")->text(), "Pils");
    klick(&editor, "cmdUebernehmen");
    EXPECT_EQ(editor.findChild<QLineEdit*>("txtWahltaste")->text(), "Pils");
    klick(&editor, "cmdSpeichern");
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    const Artikeltaste taste = ArtikeltastenLesen(*k, "Bier").at(0).tasten[1];
    EXPECT_EQ(taste.plu, "12");
    EXPECT_EQ(taste.text, "Pils");
}

TEST_F(TastenBildschirm, TheMainKeyEditorMovesAndRenamesTheKey) {
    auto a = db->abfrage("SELECT ID FROM WarengruppeTasten WHERE WG = 'Bier'");
    ASSERT_TRUE(a.naechste());
    frmHaupttaste editor(*k, a.zahl(0));
    editor.show();
    auto* reihe = editor.findChild<QLineEdit*>("txtReihe");
    EXPECT_EQ(reihe->text(), "1");
    reihe->setText("2");
    editor.findChild<QLineEdit*>("txtHaupttaste")->setText("Biere");
    klick(&editor, "cmdSpeichern");
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    const auto tasten = HaupttastenLesen(*k);
    ASSERT_EQ(tasten.size(), 2);
    EXPECT_EQ(tasten[0].wg, "Wein");
    EXPECT_EQ(tasten[1].wg, "Biere");
    EXPECT_EQ(ArtikeltastenLesen(*k, "Biere").size(), 1);
}
