#include "admin/Druckerwahl.h"
#include "support/DbTest.h"

using Druckerwahl = DbTest;

TEST_F(Druckerwahl, NoPrinterFirstThenTheStationsWithAPrinter) {
    station("Gastraum");
    station("Biergarten");
    station("Außer Haus");
    db->ausfuehren(
        "UPDATE Stationen SET Drucker = CASE Station WHEN 'Biergarten' THEN 0 ELSE 1 END");
    EXPECT_EQ(StationenAbfragen(*k), QStringList({"kein Drucker", "Gastraum", "Außer Haus"}));
}
