#include "admin/Druckerwahl.h"
#include "support/DbTest.h"

using Druckerwahl = DbTest;

TEST_F(Druckerwahl, NoPrinterFirstThenTheStationsWithAPrinter) {
    station("Gastraum");
    station("Biergarten");
    station("Außer Haus");
    db->ausfuehren("UPDATE Stationen SET Drucker = (Station <> 'Biergarten')");
    EXPECT_EQ(StationenAbfragen(*k), QStringList({"kein Drucker", "Gastraum", "Außer Haus"}));
}
