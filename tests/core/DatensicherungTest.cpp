#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/Dateisperre.h"
#include "core/Datenbankdatei.h"
#include "core/Datensicherung.h"
#include "core/Sicherungslauf.h"
#include "core/Wiederherstellung.h"
#include "reports/Tagesberichte.h"
#include "support/DbTest.h"

namespace {

const QDateTime kJetzt(QDate(2026, 12, 6), QTime(23, 30, 0));

class DatensicherungTest : public DbTest {
  protected:
    DatensicherungTest() { kellner("Chefin", "1000", {}, {"Kassenabschluss"}); }

    void rechnung(int regNr) {
        db->ausfuehren(QStringLiteral("INSERT INTO Rechnungsuebersicht (RegNr, Datum, Gesamt, BAR) "
                                      "VALUES (?, '2026-12-06', 1000, 1000)"),
                       regNr);
    }

    static QList<qint64> rechnungen(Datenbank& d) {
        QList<qint64> nummern;
        for (Abfrage a = d.abfrage(QStringLiteral("SELECT RegNr FROM Rechnungsuebersicht ORDER BY "
                                                  "RegNr"));
             a.naechste();)
            nummern << a.zahl(0);
        return nummern;
    }

    QString pfadIn(const QString& name) const { return QDir(ordner.path()).filePath(name); }
};

QByteArray inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreiben(const QString& datei, const QByteArray& daten) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(daten);
}

}  // namespace

TEST_F(DatensicherungTest,
       ABackupWhileAnotherConnectionWritesHoldsEveryCommittedBillAndRestoresThem) {
    NUR_DATEI();
    rechnung(1);
    rechnung(2);
    auto zweite = Datenbank::oeffnen(dateipfad(), db->schluessel());
    Transaktion offen(*zweite);
    zweite->ausfuehren(
        QStringLiteral("INSERT INTO Rechnungsuebersicht (RegNr, Gesamt) VALUES (3, 5)"));

    const QString sicherung = DatensicherungSchreiben(*db, pfadIn("Sicherungen"), kJetzt);
    offen.bestaetigen();
    EXPECT_EQ(QFileInfo(sicherung).fileName(), QStringLiteral("tavro-2026-12-06_23-30-00.db"));
    EXPECT_EQ(QFile::permissions(sicherung) & (QFile::ReadGroup | QFile::ReadOther), 0);

    // Restored over a file that has moved on: the bills are those of the
    // backup, the file it replaced is kept aside.
    const QString ziel = pfadIn("kasse/tavro.db");
    QDir().mkpath(pfadIn("kasse"));
    QFile::copy(dateipfad(), ziel);
    const QString meldung = Wiederherstellen(sicherung, ziel, pfadIn("schluessel"), kJetzt);
    const QString beiseite = ziel + QStringLiteral(".vor-wiederherstellung-2026-12-06_23-30-00");
    EXPECT_TRUE(meldung.contains(beiseite)) << meldung.toStdString();
    EXPECT_EQ(inhalt(beiseite), inhalt(dateipfad()));
    EXPECT_EQ(rechnungen(*DatenbankOeffnen(ziel, ziel + ".schluessel")), (QList<qint64>{1, 2}));
}

TEST_F(DatensicherungTest, ADamagedMissingOrForeignBackupIsRefusedAndNothingIsTouched) {
    NUR_DATEI();
    const QString gut = DatensicherungSchreiben(*db, pfadIn("Sicherungen"), kJetzt);
    QByteArray mitte = inhalt(gut);
    mitte.replace(mitte.size() / 2, 64, QByteArray(64, 'x'));
    QTemporaryDir fremd;
    Datenbank::oeffnen(QDir(fremd.path()).filePath(QStringLiteral("f.db")), "anderes Kennwort")
        ->skript(QStringLiteral("CREATE TABLE t (a); PRAGMA journal_mode=DELETE;"));

    const struct {
        const char* name;
        QByteArray daten;  // empty: the file is not there
    } faelle[] = {
        {"fehlt.db", {}},
        {"abgeschnitten.db", inhalt(gut).left(4096)},
        {"zerstoert.db", mitte},
        {"kein-datenbank.db", QByteArray("Das ist keine Datenbank.")},
        {"fremd.db", inhalt(QDir(fremd.path()).filePath(QStringLiteral("f.db")))},
    };
    const QString ziel = dateipfad();
    db.reset();
    const QByteArray vorher = inhalt(ziel);
    for (const auto& fall : faelle) {
        const QString datei = pfadIn(QString::fromUtf8(fall.name));
        if (!fall.daten.isEmpty()) schreiben(datei, fall.daten);
        EXPECT_THROW(SicherungPruefen(datei, kDatenbankKennwort), DbFehler) << fall.name;
        EXPECT_THROW(Wiederherstellen(datei, ziel, pfadIn("schluessel"), kJetzt), DbFehler)
            << fall.name;
        EXPECT_EQ(inhalt(ziel), vorher) << fall.name;
    }
    EXPECT_EQ(QDir(ordner.path()).entryList({QStringLiteral("*.vor-*")}, QDir::Files).size(), 0);

    // A till running on the file refuses the restore.
    const Dateisperre kasse(ziel);
    EXPECT_THROW(Wiederherstellen(gut, ziel, pfadIn("schluessel"), kJetzt), DbFehler);
    EXPECT_EQ(inhalt(ziel), vorher);
}

TEST_F(DatensicherungTest, RotationKeepsTheNewestThirtyAndOnePerMonth) {
    NUR_DATEI();
    const QString dir = pfadIn("Sicherungen");
    QDir().mkpath(dir);
    // Daily backups from 1 July to 30 November, two on 30 November.
    QStringList alle;
    for (QDate d(2026, 7, 1); d <= QDate(2026, 11, 30); d = d.addDays(1))
        alle << QStringLiteral("tavro-%1_23-00-00.db").arg(d.toString(Qt::ISODate));
    alle << QStringLiteral("tavro-2026-11-30_23-00-00-2.db");
    for (const QString& name : alle) schreiben(QDir(dir).filePath(name), "x");
    schreiben(QDir(dir).filePath(QStringLiteral("notizen.txt")), "bleibt");

    SicherungenAusduennen(dir);
    const QStringList uebrig = QDir(dir).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(uebrig.size(), 30 + 4 + 1);  // 30 newest, the last of July to October, the note
    for (const char* name : {"tavro-2026-07-31_23-00-00.db", "tavro-2026-08-31_23-00-00.db",
                             "tavro-2026-09-30_23-00-00.db", "tavro-2026-10-31_23-00-00.db",
                             "tavro-2026-11-30_23-00-00-2.db", "notizen.txt"})
        EXPECT_TRUE(uebrig.contains(QString::fromUtf8(name))) << name;
    EXPECT_FALSE(uebrig.contains(QStringLiteral("tavro-2026-07-30_23-00-00.db")));
}

TEST_F(DatensicherungTest, TheTillClosingWritesABackupAndSucceedsWhenItFails) {
    NUR_DATEI();
    amTisch("Chefin", "Gastraum", "1");
    rechnung(1);
    dialoge.jaNein = {true};
    mnuKassenabschluss(*k);
    EXPECT_EQ(dialoge.meldungen, QStringList());
    EXPECT_FALSE(NeuesteSicherung(Sicherungsordner(*db)).isEmpty());

    SicherungsordnerSetzen(*db, QStringLiteral("/dev/null/Sicherungen"));
    rechnung(2);
    dialoge.jaNein = {true};
    mnuKassenabschluss(*k);
    EXPECT_TRUE(rechnungen(*db).isEmpty());
    ASSERT_EQ(dialoge.meldungen.size(), 1);
    EXPECT_TRUE(dialoge.meldungen[0].startsWith(kSicherungFehlgeschlagen))
        << dialoge.meldungen[0].toStdString();

    // From the menu, to a folder typed in: a USB stick.
    dialoge.meldungen.clear();
    dialoge.eingaben = {pfadIn("USB")};
    mnuDatensicherung(*k);
    EXPECT_EQ(Sicherungsordner(*db), pfadIn("USB"));
    ASSERT_EQ(dialoge.meldungen.size(), 1);
    EXPECT_TRUE(dialoge.meldungen[0].startsWith(kSicherungGespeichert + pfadIn("USB")));
}

TEST_F(DatensicherungTest, ADamagedFileIsRefusedAtStartNamingTheNewestBackup) {
    NUR_DATEI();
    const QString pfad = pfadIn("kasse/tavro.db");
    QDir().mkpath(pfadIn("kasse"));
    const QString sicherung = DatensicherungSchreiben(*DatenbankOeffnen(pfad, pfad + ".schluessel"),
                                                      pfadIn("kasse/Sicherungen"), kJetzt);
    QByteArray daten = inhalt(pfad);
    daten.replace(daten.size() - 2048, 64, QByteArray(64, 'x'));
    schreiben(pfad, daten);
    try {
        DatenbankOeffnen(pfad, pfad + ".schluessel");
        FAIL() << "beschädigte Datei geöffnet";
    } catch (const DbFehler& f) {
        EXPECT_TRUE(f.beschreibung().contains(
            QStringLiteral("Neueste Datensicherung: '%1'").arg(sicherung)))
            << f.beschreibung().toStdString();
        EXPECT_TRUE(f.beschreibung().contains(QStringLiteral("tavro --wiederherstellen")));
    }
    EXPECT_EQ(inhalt(pfad), daten);
}

TEST_F(DatensicherungTest, FilesWithTheFormerPageSizeOpenAndAreBackedUpAsTheyAre) {
    NUR_DATEI();
    EXPECT_EQ(db->seitengroesse(), kSeitengroesse);
    // A file as the till made them before: SQLCipher's former 1 KiB pages.
    const QString alt = pfadIn("alt.db");
    {
        sqlite3* handle = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(alt).constData(), &handle), SQLITE_OK);
        sqlite3_key(handle, kDatenbankKennwort.constData(), kDatenbankKennwort.size());
        EXPECT_EQ(sqlite3_exec(handle,
                               "PRAGMA cipher_page_size = 1024; CREATE TABLE Rechnungsuebersicht "
                               "(RegNr INTEGER); INSERT INTO Rechnungsuebersicht VALUES (7); "
                               "PRAGMA user_version = 1;",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(handle);
    }
    auto altDb = Datenbank::oeffnen(alt, kDatenbankKennwort);
    EXPECT_EQ(altDb->seitengroesse(), kFruehereSeitengroesse);
    const QString sicherung = DatensicherungSchreiben(*altDb, pfadIn("Sicherungen"), kJetzt);
    auto kopie = Datenbank::oeffnen(sicherung, kDatenbankKennwort);
    EXPECT_EQ(kopie->seitengroesse(), kFruehereSeitengroesse);
    EXPECT_EQ(rechnungen(*kopie), QList<qint64>{7});
    EXPECT_THROW(Datenbank::oeffnen(alt, "anderes Kennwort"), DbFehler);
}
