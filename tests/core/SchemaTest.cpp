#include <QTemporaryDir>

#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "core/Schema.h"
#include "reports/Kassenabschluss.h"
#include "support/FesteUhr.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

namespace {

QString text(Datenbank& db, const QString& sql) {
    Abfrage a = db.abfrage(sql);
    return a.naechste() ? a.text(0) : QString();
}

}  // namespace

TEST(Schema, UpgradeGivesPayListLinesAnOriginAndBillsAfterMidnightTheirBusinessDay) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("alt.db");
    {
        // Bills of the 6th's evening and of half past one on the 7th, already
        // counted into the daily totals by calendar date.
        auto db = Datenbank::oeffnen(pfad, kDatenbankKennwort);
        SchemaBisVersion(*db, 3);
        db->skript(R"(
INSERT INTO Rechnungsuebersicht (RegNr, Datum, Zeit, Station, BAR, KARTE, GUTSCHEIN, Gesamt)
    VALUES (1, '2026-12-06', '20:00:00', 'Gastraum', 10000, 0, 0, 10000),
           (2, '2026-12-07', '01:30:00', 'Gastraum', 5000, 0, 0, 5000);
INSERT INTO AlleUmsaetze VALUES ('2026-12-06', 10000, 0, 10000, 0, 0, 10000),
                                ('2026-12-07', 5000, 0, 5000, 0, 0, 5000);
INSERT INTO OffeneTische (Station, Tisch, GPREIS) VALUES ('Gastraum', 'Zahlen', 350);
)");
    }
    auto db = Datenbank::oeffnen(pfad, kDatenbankKennwort);
    SchemaAktualisieren(*db);
    // Rows are copied between the three by position: their columns stay equal.
    EXPECT_TRUE(db->spalten("OffeneTische").contains(QStringLiteral("Herkunft")));
    for (const char* tabelle : {"StornosTemporaer", "Stornos"})
        EXPECT_EQ(db->spalten(tabelle), db->spalten("OffeneTische")) << tabelle;
    EXPECT_EQ(text(*db, "SELECT group_concat(Datum, ' ') FROM Rechnungsuebersicht"),
              QStringLiteral("2026-12-06 2026-12-06"));
    EXPECT_EQ(text(*db, "SELECT GPREIS || '/' || IFNULL(Herkunft, '-') FROM OffeneTische"),
              QStringLiteral("350/-"));

    // The next daily totals count both bills on the 6th and nothing on the 7th.
    FesteUhr uhr;
    SkriptDialoge dialoge;
    SpeicherDrucker drucker;
    Kontext k(*db, uhr, dialoge, drucker);
    UmsaetzeAktualisieren(k);
    EXPECT_EQ(text(*db, "SELECT group_concat(Datum || ':' || Gesamt, ' ') FROM AlleUmsaetze"),
              QStringLiteral("2026-12-06:15000"));
}
