#include <QFile>
#include <chrono>
#include <thread>

#include "core/Datenbankdatei.h"
#include "core/Rechteschluessel.h"
#include "core/Schema.h"
#include "support/DbTest.h"

using DatenbankTest = DbTest;

TEST_F(DatenbankTest, FreshFileHoldsEveryTableWithItsColumnsInOrder) {
    const QStringList zeilen = {
        "ID",           "RegID",    "Station",         "Tisch",      "Kellner",
        "TischDetails", "PLU",      "PLU_ID",          "Gericht",    "Menge",
        "Menge_Text",   "EPREIS",   "GPREIS",          "Extra",      "Kommentar",
        "IDWG",         "WG",       "Stationsdrucker", "Bondrucker", "Datum",
        "Zeit",         "Herkunft", "MwStSatz",        "Notiz",      "Gang"};
    EXPECT_EQ(db->spalten("OffeneTische"), zeilen);
    EXPECT_EQ(db->spalten("StornosTemporaer"), zeilen);
    EXPECT_EQ(db->spalten("Stornos"), zeilen);

    const QStringList kellner = db->spalten("Kellner");
    ASSERT_EQ(kellner.size(), 47);
    EXPECT_EQ(kellner.mid(Rechte::kErsteKassenspalte, 9), Rechte::kKasse);
    EXPECT_EQ(kellner.mid(Rechte::kErsteMenuspalte, 12), Rechte::kMenu);
    EXPECT_EQ(kellner.mid(Rechte::kErsteVerwaltungsspalte, 12), Rechte::kVerwaltung);
    for (const char* name : {"Mitarbeiter", "Nachname", "Vorname", "Straße", "Ort", "Land",
                             "Telefon", "Mobil", "Email", "Pin1", "Pin2", "Status", "AdminKey"}) {
        const int pos = kellner.indexOf(QString::fromUtf8(name));
        EXPECT_TRUE(pos >= 1 && pos <= 13) << name;
    }

    station("Biergarten");
    EXPECT_EQ(db->spalten("Kellner").at(Rechte::kErsteStationsspalte),
              QStringLiteral("Biergarten"));

    EXPECT_EQ(
        db->spalten("Rechnungsuebersicht"),
        QStringList({"ID", "RegNr", "Datum", "Zeit", "Station", "Tisch", "Mitarbeiter", "BAR",
                     "KARTE", "GUTSCHEIN", "Beleg", "Zahlungsart", "Gesamt", "ZIMMER", "Kasse"}));
    EXPECT_EQ(db->spalten("AlleUmsaetze"), QStringList({"Datum", "Lokal", "AußerHaus", "BAR",
                                                        "KARTE", "GUTSCHEIN", "Gesamt", "ZIMMER"}));
    EXPECT_EQ(db->spalten("Hotelpreisliste").mid(4, 2), QStringList({"Ü", "ÜF"}));
    for (const char* tabelle :
         {"Stationen", "TabellePicTisch", "Verwaltung", "Warengruppe", "Artikelgruppe",
          "WarengruppeTasten", "ArtikelTasten", "RechnungDetails", "AbschlussBericht",
          "AktuellesBericht", "Berichte", "AbrechnungHotel", "Betrieb"})
        EXPECT_FALSE(db->spalten(tabelle).isEmpty()) << tabelle;
    EXPECT_EQ(db->spalten("ArtikelTasten").size(), 17);
}

TEST_F(DatenbankTest, ValuesAreBoundSoApostrophesAreOrdinary) {
    kellner("O'Brien", "12'34");
    Abfrage a =
        db->abfrage("SELECT Mitarbeiter FROM Kellner WHERE Pin1 = ?", QStringLiteral("12'34"));
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.text("Mitarbeiter"), QStringLiteral("O'Brien"));
}

TEST_F(DatenbankTest, AColumnNameFromDataIsCheckedNotSpliced) {
    EXPECT_EQ(db->spalteGeprueft("Kellner", "stornieren"), QStringLiteral("[Stornieren]"));
    EXPECT_THROW(db->spalteGeprueft("Kellner", "Pin1 = 1; DROP TABLE Kellner"), DbFehler);
    EXPECT_THROW(Datenbank::bezeichner("a]b"), DbFehler);
    EXPECT_THROW(db->abfrage("SELECT [GibtEsNicht] FROM Kellner"), DbFehler);
}

TEST_F(DatenbankTest, ATransactionLeftByAnExceptionLeavesNothing) {
    try {
        Transaktion t(*db);
        kellner("Anna", "1");
        {
            Transaktion innen(*db);
            kellner("Bert", "2");
            innen.bestaetigen();
        }
        throw DbFehler(1, "mitten im Vorgang");
    } catch (const DbFehler&) {
    }
    Abfrage a = db->abfrage("SELECT count(*) FROM Kellner");
    a.naechste();
    EXPECT_EQ(a.zahl(0), 0);

    {
        Transaktion t(*db);
        kellner("Anna", "1");
        {
            Transaktion innen(*db);
            kellner("Bert", "2");
        }  // inner part rolled back alone
        t.bestaetigen();
    }
    EXPECT_EQ(text("SELECT Mitarbeiter FROM Kellner"), QStringLiteral("Anna"));
}

TEST_F(DatenbankTest, TheFileIsEncryptedAndNeedsTheKey) {
    NUR_DATEI();
    kellner("Anna", "1");
    db.reset();
    QFile datei(dateipfad());
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray inhalt = datei.readAll();
    EXPECT_FALSE(inhalt.startsWith("SQLite format 3"));
    EXPECT_FALSE(inhalt.contains("Anna"));
    datei.close();

    try {
        Datenbank::oeffnen(dateipfad(), "falsch");
        FAIL() << "a wrong key must not open the file";
    } catch (const DbFehler& f) {
        EXPECT_EQ(f.nummer(), 26);
        EXPECT_TRUE(f.meldungstext().startsWith("Fehlernummer 26\n"))
            << f.meldungstext().toStdString();
    }
    EXPECT_EQ(QFileInfo(dateipfad()).size(), inhalt.size());  // untouched

    auto wieder = Datenbank::oeffnen(dateipfad(), kDatenbankKennwort);
    Abfrage a = wieder->abfrage("SELECT Mitarbeiter FROM Kellner");
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.text(0), QStringLiteral("Anna"));
}

TEST_F(DatenbankTest, AShortWriteOfAnotherConnectionIsWaitedFor) {
    auto andere = Datenbank::oeffnen(dateipfad(), kDatenbankKennwort);
    Transaktion schreibt(*andere);
    std::thread fertig([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        schreibt.bestaetigen();
    });
    EXPECT_NO_THROW(kellner("Anna", "1"));
    fertig.join();
}

TEST(Schema, AnOlderFileIsUpgradedKeepingItsRows) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("alt.db");
    {
        auto db = Datenbank::oeffnen(pfad, kDatenbankKennwort);
        SchemaBisVersion(*db, 1);
        db->ausfuehren("INSERT INTO Kellner (Mitarbeiter, Pin1) VALUES ('Anna', '1')");
        db->ausfuehren("INSERT INTO OffeneTische (Tisch, GPREIS) VALUES ('12', 350)");
        db->ausfuehren("INSERT INTO Verwaltung (Verwaltung) VALUES ('Stationsverwaltung')");
    }
    auto db = Datenbank::oeffnen(pfad, kDatenbankKennwort);
    SchemaAktualisieren(*db);
    Abfrage v = db->abfrage("PRAGMA user_version");
    v.naechste();
    EXPECT_EQ(v.zahl(0), SchemaVersion());
    Abfrage a =
        db->abfrage("SELECT (SELECT count(*) FROM Kellner), (SELECT GPREIS FROM OffeneTische)");
    a.naechste();
    EXPECT_EQ(a.zahl(0), 1);
    EXPECT_EQ(a.zahl(1), 350);
    EXPECT_FALSE(db->spalten("Betrieb").isEmpty());
    // The panels added since then follow the file's own.
    QStringList bereiche;
    for (Abfrage b = db->abfrage("SELECT Verwaltung FROM Verwaltung ORDER BY ID"); b.naechste();)
        bereiche << b.text(0);
    EXPECT_EQ(bereiche, QStringList({"Stationsverwaltung", "Drucker", "Betrieb"}));
}
