#pragma once

#include <QList>
#include <ostream>

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

    // A line as it was, with what a routine changes on it.
    Tischzeile geaendert(Tischzeile z, std::int64_t id, std::int64_t menge, Geld gpreis,
                         const QString& kellner, const QString& zeit) {
        z.id = id;
        z.menge = menge;
        z.mengeText = MengeText(menge);
        z.gpreis = gpreis;
        z.kellner = kellner;
        z.zeit = zeit;
        return z;
    }

    // Every row of an order-line table, in ID order.
    QList<Tischzeile> zeilen(const QString& tabelle = QStringLiteral("OffeneTische")) {
        QList<Tischzeile> liste;
        Abfrage a = db->abfrage(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(tabelle));
        while (a.naechste()) liste.append(Tischzeile::lesen(a));
        return liste;
    }
};

// Failures show the row, not its bytes.
inline void PrintTo(const Tischzeile& z, std::ostream* aus) {
    *aus << QStringLiteral("#%1 (%2) %3/%4 %5 %6 %7 | %8 %9 | %10 %11 %12 ct %13 ct | %14 %15 %16")
                .arg(z.id)
                .arg(z.regId)
                .arg(z.station, z.tisch, z.kellner, z.tischDetails, z.plu, z.pluId, z.gericht)
                .arg(z.mengeText)
                .arg(z.menge)
                .arg(z.epreis.cent())
                .arg(z.gpreis.cent())
                .arg(z.extra, z.datum.toString(Qt::ISODate), z.zeit)
                .toStdString();
}
