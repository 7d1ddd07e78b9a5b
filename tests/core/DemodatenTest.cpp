#include <QtGui/QColor>

#include "core/Anmeldung.h"
#include "core/Rechte.h"
#include "core/Rechteschluessel.h"
#include "support/DemoKontext.h"

namespace {

class Demodaten : public ::testing::Test, public DemoKontext {
  protected:
    QStringList spalte(const QString& sql) {
        QStringList werte;
        for (Abfrage a = db->abfrage(sql); a.naechste();) werte << a.text(0);
        return werte;
    }
    std::int64_t zahl(const QString& sql) {
        Abfrage a = db->abfrage(sql);
        a.naechste();
        return a.zahl(0);
    }
};

}  // namespace

TEST_F(Demodaten, AFreshFileHoldsStationsTablesAndTheLists) {
    const QStringList stationen = {"Gastraum", "Biergarten", "Außer Haus", "Hotel"};
    EXPECT_EQ(spalte("SELECT Station FROM Stationen ORDER BY ID"), stationen);
    EXPECT_EQ(db->spalten("Kellner").mid(Rechte::kErsteStationsspalte), stationen);

    EXPECT_EQ(zahl("SELECT count(DISTINCT Name) FROM TabellePicTisch"),
              zahl("SELECT count(*) FROM TabellePicTisch"));  // names unique across stations
    EXPECT_EQ(spalte("SELECT Station FROM TabellePicTisch GROUP BY Station ORDER BY min(rowid)"),
              stationen.mid(0, 3));
    EXPECT_EQ(zahl("SELECT count(*) FROM TabellePicTisch WHERE Links < 0 OR Oben < 0 "
                   "OR Links + Breite > 1000 OR Oben + Hoehe > 650"),
              0);
    // No two tiles of a station overlap.
    EXPECT_EQ(zahl("SELECT count(*) FROM TabellePicTisch a JOIN TabellePicTisch b "
                   "ON a.Station = b.Station AND a.ID < b.ID "
                   "WHERE a.Links < b.Links + b.Breite AND b.Links < a.Links + a.Breite "
                   "AND a.Oben < b.Oben + b.Hoehe AND b.Oben < a.Oben + a.Hoehe"),
              0);

    EXPECT_EQ(zahl("SELECT count(*) FROM Verwaltung"), 8);
    EXPECT_EQ(spalte("SELECT Bericht FROM Berichte"),
              QStringList({"Kassenbericht", "Kellnerbericht", "Umsatzbericht", "Stornobericht",
                           "Hotelbericht"}));
    EXPECT_EQ(zahl("SELECT count(*) FROM Betrieb WHERE Name <> '' AND Adresszeile <> '' "
                   "AND Telefon <> '' AND Steuernummer <> '' AND MwStUebernachtung = 700 "
                   "AND MwStFruehstueck = 700"),
              1);
    EXPECT_GT(zahl("SELECT count(*) FROM Hotelpreisliste WHERE \"Ü\" > 0 AND \"ÜF\" > \"Ü\""), 0);
}

TEST_F(Demodaten, TheMenuCardIsCoherent) {
    EXPECT_GT(zahl("SELECT count(*) FROM Artikelgruppe WHERE WG = 'Extra'"), 0);
    EXPECT_GT(zahl("SELECT count(*) FROM Artikelgruppe WHERE Extra = 1"), 0);
    EXPECT_EQ(zahl("SELECT count(*) FROM Artikelgruppe WHERE IDWG = 'Getränke' "
                   "AND Bondrucker <> 'Thekendrucker'"),
              0);
    // Drinks at 19 % VAT, food and extras at 7 %.
    EXPECT_EQ(zahl("SELECT count(*) FROM Artikelgruppe "
                   "WHERE MwSt <> CASE IDWG WHEN 'Getränke' THEN '19' ELSE '7' END"),
              0);
    EXPECT_EQ(zahl("SELECT count(*) FROM Artikelgruppe WHERE IDWG = 'Speisen' "
                   "AND Bondrucker <> 'Küchendrucker'"),
              0);
    EXPECT_EQ(zahl("SELECT count(*) FROM Artikelgruppe a LEFT JOIN Warengruppe g ON a.WG = g.WG "
                   "WHERE g.WG IS NULL OR g.IDWG <> a.IDWG"),
              0);
    EXPECT_EQ(zahl("SELECT count(DISTINCT PLU) FROM Artikelgruppe"),
              zahl("SELECT count(*) FROM Artikelgruppe"));
    EXPECT_EQ(zahl("SELECT count(*) FROM Artikelgruppe WHERE PLU IN ('998', '999')"), 0);

    // Every quick key leads to an article of its own group, with a visible colour.
    int tasten = 0;
    for (Abfrage a = db->abfrage("SELECT * FROM ArtikelTasten"); a.naechste();) {
        for (int sp = 1; sp <= 5; ++sp) {
            const QString plu = a.text(QStringLiteral("SP%1PLU").arg(sp));
            if (plu.isEmpty()) continue;
            ++tasten;
            Abfrage artikel =
                db->abfrage("SELECT Gericht, WG FROM Artikelgruppe WHERE PLU = ?", plu);
            ASSERT_TRUE(artikel.naechste()) << plu.toStdString();
            EXPECT_EQ(artikel.text(0), a.text(QStringLiteral("SP%1").arg(sp)));
            EXPECT_EQ(artikel.text(1), a.text("WG"));
            EXPECT_GT(QColor(QRgb(a.zahl(QStringLiteral("SP%1Farbe").arg(sp)))).lightness(), 128);
        }
    }
    EXPECT_EQ(tasten, zahl("SELECT count(*) FROM Artikelgruppe WHERE WG <> 'Extra'"));
    EXPECT_EQ(spalte("SELECT WG FROM WarengruppeTasten ORDER BY Tastenreihe"),
              spalte("SELECT WG FROM ArtikelTasten GROUP BY WG ORDER BY min(ID)"));
}

TEST_F(Demodaten, ManagerAndWaiterLogInWithTheirRights) {
    ASSERT_EQ(KellnerPinAbfrage(k, "2222"), Anmeldeergebnis::Angemeldet);
    const QString kellner = k.werte.kellner;
    EXPECT_TRUE(Pin2Abfrage(k, "2345"));
    ASSERT_EQ(KellnerPinAbfrage(k, Rechte::kMasterKey), Anmeldeergebnis::Angemeldet);
    const QString chef = k.werte.kellner;
    EXPECT_TRUE(Pin2Abfrage(k, "1234"));
    EXPECT_EQ(KellnerPinAbfrage(k, "1111"), Anmeldeergebnis::Angemeldet);
    EXPECT_EQ(k.werte.kellner, chef);
    EXPECT_TRUE(AdminKeyAbfrage(*db, chef));
    EXPECT_FALSE(AdminKeyAbfrage(*db, kellner));
    EXPECT_TRUE(dialoge.meldungen.isEmpty());

    const QStringList anfang = {"Stornieren",
                                "Umbuchen",
                                "Abkassieren",
                                "OhneKassenbon",
                                "RechnungsUebersicht",
                                "SeineRechnungenAnsehen",
                                "ZahlartAendern",
                                "KellnerberichtDrucken",
                                "EigenerKellnerbericht",
                                "MitarbeiterVerwaltung",
                                "MitarbeiterVerwaltungSeineKarteiPersoenlicheDaten"};
    const QStringList sperren = {"KASSENSPERRE", Rechte::kMenusperre, Rechte::kVerwaltungssperre};
    for (const QString& recht : Rechte::alle()) {
        EXPECT_EQ(RechteAbfrage(k, chef, recht), !sperren.contains(recht)) << recht.toStdString();
        EXPECT_EQ(RechteAbfrage(k, kellner, recht), anfang.contains(recht)) << recht.toStdString();
    }
    for (const QString& station : spalte("SELECT Station FROM Stationen")) {
        EXPECT_TRUE(RechteAbfrage(k, chef, station));
        EXPECT_TRUE(RechteAbfrage(k, kellner, station));
    }
    EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());
}

TEST_F(Demodaten, OpeningAgainAddsNothing) {
    const auto kellner = zahl("SELECT count(*) FROM Kellner");
    const auto artikel = zahl("SELECT count(*) FROM Artikelgruppe");
    db.reset();
    db = DatenbankOeffnen(ordner.filePath("tavro.db"), ordner.filePath("schluessel"));
    EXPECT_EQ(zahl("SELECT count(*) FROM Kellner"), kellner);
    EXPECT_EQ(zahl("SELECT count(*) FROM Artikelgruppe"), artikel);
    EXPECT_EQ(zahl("SELECT count(*) FROM Stationen"), 4);
}
