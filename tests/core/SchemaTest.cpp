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

// A file left at an older version holding the given rows, opened again by a
// newer program, which brings it up to date.
std::unique_ptr<Datenbank> aktualisiert(const QTemporaryDir& ordner, int version,
                                        const char* zeilen) {
    const QString pfad = ordner.filePath("alt.db");
    {
        auto db = Datenbank::oeffnen(pfad, kDatenbankKennwort);
        SchemaBisVersion(*db, version);
        db->skript(QString::fromUtf8(zeilen));
    }
    auto db = Datenbank::oeffnen(pfad, kDatenbankKennwort);
    SchemaAktualisieren(*db);
    return db;
}

}  // namespace

TEST(Schema, UpgradeGivesPayListLinesAnOriginAndBillsAfterMidnightTheirBusinessDay) {
    // Bills of the 6th's evening and of half past one on the 7th, already
    // counted into the daily totals by calendar date.
    QTemporaryDir ordner;
    auto db = aktualisiert(ordner, 3, R"(
INSERT INTO Rechnungsuebersicht (RegNr, Datum, Zeit, Station, BAR, KARTE, GUTSCHEIN, Gesamt)
    VALUES (1, '2026-12-06', '20:00:00', 'Gastraum', 10000, 0, 0, 10000),
           (2, '2026-12-07', '01:30:00', 'Gastraum', 5000, 0, 0, 5000);
INSERT INTO AlleUmsaetze VALUES ('2026-12-06', 10000, 0, 10000, 0, 0, 10000),
                                ('2026-12-07', 5000, 0, 5000, 0, 0, 5000);
INSERT INTO OffeneTische (Station, Tisch, GPREIS) VALUES ('Gastraum', 'Zahlen', 350);
)");
    // Rows are copied between the three by position: their columns stay equal.
    EXPECT_TRUE(db->spalten("OffeneTische").contains(QStringLiteral("Herkunft")));
    for (const char* tabelle : {"StornosTemporaer", "Stornos"})
        EXPECT_EQ(db->spalten(tabelle), db->spalten("OffeneTische")) << tabelle;
    EXPECT_EQ(text(*db, "SELECT group_concat(Datum, ' ') FROM Rechnungsuebersicht"),
              QStringLiteral("2026-12-06 2026-12-06"));
    EXPECT_EQ(text(*db, "SELECT GPREIS || '/' || COALESCE(Herkunft, '-') FROM OffeneTische"),
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

TEST(Schema, UpgradeGivesEveryLineItsArticlesRateOrTheRateOfItsKind) {
    QTemporaryDir ordner;
    auto db = aktualisiert(ordner, 4, R"(
INSERT INTO Artikelgruppe (PLU, IDWG, MwSt) VALUES ('1', 'Getränke', '19'),
    ('101', 'Speisen', '7,0'), ('501', 'Speisen', '19 %'), ('2', 'Getränke', ''),
    ('1', 'Getränke', '7');
INSERT INTO OffeneTische (PLU, PLU_ID, IDWG, Gericht) VALUES ('1', '1', 'Getränke', 'Pils'),
    ('101', '101', 'Speisen', 'Suppe'), ('', '501', 'Speisen', '+ 1x Pommes'),
    ('2', '2', 'Getränke', 'Cola'), ('999', '999', 'Speisen', 'Speise'),
    ('998', '998', 'Getränke', 'Getränke');
INSERT INTO StornosTemporaer (PLU, PLU_ID, IDWG, Gericht) VALUES ('101', '101', 'Speisen', 'Suppe');
INSERT INTO Stornos (PLU, PLU_ID, IDWG, Gericht) VALUES ('', '501', 'Speisen', '+ 1x Pommes');
INSERT INTO RechnungDetails (PLU, IDWG, Gericht) VALUES ('101', 'Speisen', 'Suppe'),
    ('', 'Getränke', '+ 1x Zitrone');
INSERT INTO Betrieb (Name) VALUES ('Lindenhof');
INSERT INTO AbrechnungHotel (Gesamt) VALUES (16000);
INSERT INTO Abschlussumsaetze (Datum, Lokal, "AußerHaus") VALUES ('2026-12-05', 11900, 10700),
    ('2026-12-04', 5000, 0);
)");
    const std::pair<const char*, const char*> faelle[] = {
        // The first catalogue row counts; a line whose article has no valid rate goes by kind.
        {"SELECT group_concat(Gericht || ':' || MwStSatz, ' ') FROM OffeneTische",
         "Pils:1900 Suppe:700 + 1x Pommes:1900 Cola:1900 Speise:700 Getränke:1900"},
        {"SELECT Gericht || ':' || MwStSatz FROM StornosTemporaer", "Suppe:700"},
        {"SELECT Gericht || ':' || MwStSatz FROM Stornos", "+ 1x Pommes:1900"},
        {"SELECT group_concat(Gericht || ':' || MwStSatz, ' ') FROM RechnungDetails",
         "Suppe:700 + 1x Zitrone:1900"},
        {"SELECT MwStUebernachtung || '/' || MwStFruehstueck FROM Betrieb", "700/700"},
        {"SELECT MwStUebernachtung || '/' || MwStFruehstueck FROM AbrechnungHotel", "1900/700"},
        {"SELECT group_concat(Datum || ':' || MwStSatz || ':' || Brutto, ' ') FROM "
         "(SELECT * FROM Steuerumsaetze ORDER BY Datum, MwStSatz)",
         "2026-12-04:1900:5000 2026-12-05:700:10700 2026-12-05:1900:11900"},
    };
    for (const auto& [sql, erwartet] : faelle)
        EXPECT_EQ(text(*db, QString::fromUtf8(sql)), QString::fromUtf8(erwartet)) << sql;
    // The three line tables still copy into each other by position.
    for (const char* tabelle : {"OffeneTische", "StornosTemporaer", "Stornos"})
        EXPECT_EQ(db->spalten(tabelle).mid(21),
                  QStringList({"Herkunft", "MwStSatz", "Notiz", "Gang"}))
            << tabelle;
}
