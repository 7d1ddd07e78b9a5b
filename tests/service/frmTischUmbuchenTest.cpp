#include "service/frmTischUmbuchen.h"

#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "support/DbTest.h"
#include "support/Posten.h"

using frmTischUmbuchenTest = DbTest;

TEST_F(frmTischUmbuchenTest, MovesBothWaysBetweenStations) {
    amTisch("Tom", "Gastraum", "5");
    Posten pils;
    pils.menge = 2;
    PostenAnlegen(*db, pils);
    frmTischUmbuchen fenster(*k, {"Biergarten", "70"});
    fenster.show();
    EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Umbuchen"));
    auto klick = [&](const char* name) {
        QTest::mouseClick(fenster.findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
    };
    auto zeilen = [&](const char* gitter) {
        return fenster.findChild<QTableView*>(QString::fromUtf8(gitter))->model()->rowCount();
    };

    dialoge.zahlen = {"1"};
    klick("cmdNurMarkierungNachRechts");
    EXPECT_EQ(zeilen("DataGrid1"), 1);
    EXPECT_EQ(zeilen("DataGrid2"), 1);
    EXPECT_EQ(TischSumme(*k, {"Biergarten", "70"}), Geld(350));
    klick("cmdAllesNachRechts");
    EXPECT_EQ(zeilen("DataGrid1"), 0);
    EXPECT_EQ(TischSumme(*k, {"Biergarten", "70"}), Geld(700));
    klick("cmdAllesNachLinks");
    EXPECT_EQ(TischSumme(*k, {"Gastraum", "5"}), Geld(700));
    EXPECT_EQ(zeilen("DataGrid2"), 0);

    // Nothing marked on an empty list.
    klick("cmdNurMarkierungNachLinks");
    EXPECT_EQ(dialoge.meldungen, QStringList{"Tisch ist Leer"});
    // Worked by touch only: keys typed into a list change nothing, Escape included.
    QApplication::setActiveWindow(&fenster);
    fenster.findChild<QTableView*>("DataGrid1")->setFocus();
    for (Qt::Key t : {Qt::Key_Down, Qt::Key_Escape, Qt::Key_Return, Qt::Key_P})
        QTest::keyClick(QApplication::focusWidget(), t);
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_EQ(TischSumme(*k, {"Gastraum", "5"}), Geld(700));

    klick("cmdSchliessen");
    EXPECT_FALSE(fenster.isVisible());
}
