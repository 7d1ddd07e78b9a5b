#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "admin/frmGericht.h"
#include "admin/frmSpeisekarte.h"
#include "admin/frmSpeisekarteSuchen.h"
#include "admin/frmWarengruppe.h"
#include "support/DbTest.h"

namespace {

class SpeisekarteBildschirm : public DbTest {
protected:
    SpeisekarteBildschirm() {
        db->ausfuehren("INSERT INTO Warengruppe (WG, IDWG, Stationsdrucker, Bondrucker) VALUES "
                       "('Bier', 'Getränke', 'kein Drucker', 'Thekendrucker'), "
                       "('Suppen', 'Speise', 'kein Drucker', 'Küchendrucker')");
        artikel("2", "Weizen", 400);
        artikel("10", "Pils", 350);
        artikel("3", "Linsensuppe", 490, "Suppen", "Speise");
    }

    QStringList spalte0(QTreeWidget* liste) {
        QStringList l;
        for (int i = 0; i < liste->topLevelItemCount(); ++i) l << liste->topLevelItem(i)->text(0);
        return l;
    }

    static void klick(QWidget* fenster, const char* name) {
        QTest::mouseClick(fenster->findChild<QPushButton*>(name), Qt::LeftButton);
    }
};

}  // namespace

TEST_F(SpeisekarteBildschirm, AGroupTouchedListsItsArticlesByPluAndAnArticleIsDeleted) {
    frmSpeisekarte fenster(*k);
    fenster.resize(1200, 700);
    fenster.show();
    auto* baum = fenster.findChild<QTreeWidget*>("trvWarengruppen");
    auto* liste = fenster.findChild<QTreeWidget*>("lvwArtikel");
    ASSERT_EQ(baum->topLevelItemCount(), 2);
    QTreeWidgetItem* bier = baum->topLevelItem(0)->child(0);
    ASSERT_EQ(bier->text(0), "Bier");
    EXPECT_FALSE(fenster.findChild<QPushButton*>("cmdNeuesGericht")->isEnabled());

    QTest::mouseClick(baum->viewport(), Qt::LeftButton, {}, baum->visualItemRect(bier).center());
    EXPECT_EQ(spalte0(liste), QStringList({"10", "2"}));
    EXPECT_EQ(liste->topLevelItem(0)->text(2), "3,50");
    EXPECT_TRUE(fenster.findChild<QPushButton*>("cmdNeuesGericht")->isEnabled());
    EXPECT_FALSE(fenster.findChild<QPushButton*>("cmdGerichtLoeschen")->isEnabled());

    liste->setCurrentItem(liste->topLevelItem(1));
    dialoge.jaNein = {true};
    klick(&fenster, "cmdGerichtLoeschen");
    EXPECT_EQ(dialoge.fragen,
              QStringList{"Möchten Sie die PLU = 2 mit allen zugehörigen Daten wirklich löschen"});
    EXPECT_EQ(spalte0(liste), QStringList{"10"});
}

TEST_F(SpeisekarteBildschirm, TheArticleFormRefusesABadPriceThenSavesAndCloses) {
    frmGericht form(*k, "Bier", "10");
    form.show();
    EXPECT_EQ(form.findChild<QLineEdit*>("txtGericht")->text(), "Pils");
    EXPECT_EQ(form.findChild<QComboBox*>("ComboStationsDrucker")->currentText(), "kein Drucker");
    auto* preis = form.findChild<QLineEdit*>("txtEPREIS");
    preis->clear();
    QTest::keyClicks(preis, "3,555");
    klick(&form, "cmdSpeichern");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(dialoge.meldungen.size(), 1);

    preis->clear();
    QTest::keyClicks(preis, "3,80");
    dialoge.jaNein = {true};
    klick(&form, "cmdSpeichern");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    auto a = db->abfrage("SELECT EPREIS FROM Artikelgruppe WHERE PLU = '10'");
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.zahl(0), 380);
}

TEST_F(SpeisekarteBildschirm, TheGroupFormStoresANewGroupUnderItsMainGroup) {
    frmWarengruppe form(*k, "Speise", QString());
    form.show();
    QTest::keyClicks(form.findChild<QLineEdit*>("txtWarengruppe"), "Desserts");
    form.findChild<QComboBox*>("ComboBonDrucker")->setCurrentText("Küchendrucker");
    dialoge.jaNein = {true};
    klick(&form, "cmdSpeichern");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    auto a = db->abfrage("SELECT IDWG, Bondrucker FROM Warengruppe WHERE WG = 'Desserts'");
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.text(0), "Speise");
    EXPECT_EQ(a.text(1), "Küchendrucker");
}

TEST_F(SpeisekarteBildschirm, TheSearchListsExactMatchesAndHandsTheChosenArticleOver) {
    frmSpeisekarteSuchen suche(*k);
    suche.show();
    auto* liste = suche.findChild<QTreeWidget*>("lvwArtikel");
    QTest::keyClicks(suche.findChild<QLineEdit*>("txtSuchen"), "Pils");
    klick(&suche, "cmdSuchen");
    EXPECT_EQ(spalte0(liste), QStringList{"10"});

    klick(&suche, "cmdUebernehmen");
    EXPECT_EQ(dialoge.meldungen, QStringList{"Bitte wähllen Sie ein Gericht aus"});
    liste->setCurrentItem(liste->topLevelItem(0));
    klick(&suche, "cmdUebernehmen");
    EXPECT_EQ(suche.result(), QDialog::Accepted);
    EXPECT_EQ(suche.plu(), "10");
    EXPECT_EQ(suche.gericht(), "Pils");
}
