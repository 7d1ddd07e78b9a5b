#include "reports/frmBerichte.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "support/DbTest.h"

namespace {

class frmBerichteTest : public DbTest {
protected:
    frmBerichteTest() {
        for (const char* b : {"Kassenbericht", "Kellnerbericht", "Stornobericht", "Hotelbericht"})
            db->ausfuehren(QStringLiteral("INSERT INTO Berichte (Bericht) VALUES (?)"), b);
        kellner("Anna", "1");
        kellner("Bernd", "2");
    }
};

TEST_F(frmBerichteTest, ChosenReportShapesThePanelAndShowsItsReport) {
    frmBerichte fenster(*k);
    fenster.show();
    auto* baum = fenster.findChild<QTreeWidget*>(QStringLiteral("TreeViewBerichte"));
    auto* knopf = fenster.findChild<QPushButton*>(QStringLiteral("cmdDrucken"));
    auto* liste = fenster.findChild<QComboBox*>(QStringLiteral("ComboKellner"));
    ASSERT_EQ(baum->topLevelItemCount(), 1);
    EXPECT_EQ(baum->topLevelItem(0)->childCount(), 4);
    EXPECT_EQ(fenster.findChild<QLabel*>(QStringLiteral("lblBericht"))->text(), "Kassenbericht");
    EXPECT_EQ(knopf->text(), "Kassenbericht Anzeigen");
    EXPECT_FALSE(liste->isVisible());
    EXPECT_EQ(liste->count(), 3);
    EXPECT_EQ(liste->currentText(), "alle Kellner");

    std::vector<QString> titel;
    dialoge.beiVorschau = [&](const Dokument& d) {
        titel.push_back(d.titel + QLatin1Char(' ') + QString::number(d.detailzeilen()));
    };
    fenster.VorschauDefinieren(QStringLiteral("Kellnerbericht"));
    EXPECT_TRUE(liste->isVisible());
    EXPECT_FALSE(fenster.findChild<QLabel*>(QStringLiteral("lblKellner"))->isVisible());
    liste->setCurrentText(QStringLiteral("Bernd"));
    QTest::mouseClick(knopf, Qt::LeftButton);
    fenster.VorschauDefinieren(QStringLiteral("Unbekannt"));
    EXPECT_EQ(knopf->text(), "Kellnerbericht Anzeigen");
    QTest::mouseClick(knopf, Qt::LeftButton);  // the label names no report: nothing shows
    fenster.VorschauDefinieren(QStringLiteral("Hotelbericht"));
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_EQ(titel, (std::vector<QString>{"Kellnerbericht 1", "Hotelbericht 0"}));
}

}  // namespace
