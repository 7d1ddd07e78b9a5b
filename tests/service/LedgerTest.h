#pragma once

#include <QList>

#include "service/Tischzeile.h"
#include "support/DbTest.h"

// Station "Gastraum" with tables 1 and 2, waiter Tom at table 1, a beer at
// 3,50 €, a schnitzel at 12,90 € and two extras (chips, salad).
class LedgerTest : public DbTest {
protected:
    LedgerTest() {
        station("Gastraum", {"1", "2"});
        kellner("Tom", "2000");
        artikel("10", "Pils", 350);
        artikel("20", "Schnitzel", 1290, "Hauptgerichte", "Speisen", "Küchendrucker", true);
        artikel("501", "Pommes", 350, "Extra", "Speisen", "Küchendrucker");
        artikel("502", "Salat", 280, "Extra", "Speisen", "Küchendrucker");
        amTisch("Tom", "Gastraum", "1");
    }

    // Every row of an order-line table, in ID order.
    QList<Tischzeile> zeilen(const QString& tabelle = QStringLiteral("OffeneTische")) {
        QList<Tischzeile> liste;
        Abfrage a = db->abfrage(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(tabelle));
        while (a.naechste()) liste.append(Tischzeile::lesen(a));
        return liste;
    }
};
