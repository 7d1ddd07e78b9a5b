#include <gtest/gtest.h>
#include <signal.h>
#include <sqlcipher/sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

#include "core/Datenbank.h"
#include "core/Datenbankdatei.h"
#include "core/Datensicherung.h"
#include "core/Demodaten.h"
#include "core/Kontext.h"
#include "core/Schema.h"
#include "core/Schluesseldatei.h"
#include "core/Schluesselwechsel.h"
#include "support/FesteUhr.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

namespace {

std::int64_t zahl(Datenbank& db, const char* sql) {
    Abfrage a = db.abfrage(QString::fromUtf8(sql));
    a.naechste();
    return a.zahl(0);
}

// A child process that kills itself half-way through a first start: at its
// n-th written row, or (0) when it commits the first transaction with rows.
int gAbbruchZeile = 0;
int gZeilen = 0;

void zeileGeschrieben(void*, int, const char*, const char*, sqlite3_int64) {
    if (++gZeilen == gAbbruchZeile) ::raise(SIGKILL);
}

int festschreiben(void*) {
    if (gAbbruchZeile == 0 && gZeilen > 0) ::raise(SIGKILL);
    return 0;
}

int einhaengen(sqlite3* db, char**, const sqlite3_api_routines*) {
    sqlite3_update_hook(db, zeileGeschrieben, nullptr);
    sqlite3_commit_hook(db, festschreiben, nullptr);
    return SQLITE_OK;
}

bool ersterStartAbgebrochen(const QString& pfad, int zeile) {
    const pid_t kind = ::fork();
    if (kind == 0) {
        gAbbruchZeile = zeile;
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(einhaengen));
        try {
            DatenbankOeffnen(pfad, pfad + ".schluessel");
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

void schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

const QFile::Permissions kNurLesen = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                     QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

}  // namespace

TEST(Datenbankdatei, AFirstStartCutShortLeavesNoFileAndTheNextStartMakesAWholeOne) {
    for (const int zeile : {1, 40, 0}) {
        SCOPED_TRACE(zeile);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("tavro.db");
        ASSERT_TRUE(ersterStartAbgebrochen(pfad, zeile));
        EXPECT_FALSE(QFileInfo::exists(pfad));
        auto db = DatenbankOeffnen(pfad, pfad + ".schluessel");
        EXPECT_EQ(zahl(*db, "SELECT count(*) FROM Kellner"), 2);
    }
}

TEST(Datenbankdatei, AFileThatCannotServeIsRefusedByNameAndLeftAsItWas) {
    struct Fall {
        const char* name;
        // Prepares the file; may answer a till that keeps running meanwhile.
        std::function<std::unique_ptr<Datenbank>(const QString& pfad)> anrichten;
        const char* meldung;
        bool nenntOrdner = false;
    };
    const std::vector<Fall> faelle = {
        {"empty file",
         [](const QString& pfad) {
             schreiben(pfad, {});
             return nullptr;
         },
         "ist leer"},
        {"damaged file",
         [](const QString& pfad) {
             schreiben(pfad, QByteArray(8192, 'x'));
             return nullptr;
         },
         "beschädigt"},
        {"read-only file",
         [](const QString& pfad) {
             DatenbankOeffnen(pfad, pfad + ".schluessel");
             QFile::setPermissions(pfad, QFile::ReadOwner | QFile::ReadGroup);
             return nullptr;
         },
         "ist schreibgeschützt"},
        {"folder in its place",
         [](const QString& pfad) {
             QDir().mkdir(pfad);
             return nullptr;
         },
         "kann nicht geöffnet werden"},
        {"read-only folder",
         [](const QString& pfad) {
             QFile::setPermissions(QFileInfo(pfad).absolutePath(), kNurLesen);
             return nullptr;
         },
         "ist schreibgeschützt", true},
        {"second till",
         [](const QString& pfad) { return DatenbankOeffnen(pfad, pfad + ".schluessel"); },
         "läuft bereits"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("tavro.db");
        const auto erste = fall.anrichten(pfad);
        const QFileInfo vorher(pfad);
        try {
            DatenbankOeffnen(pfad, pfad + ".schluessel");
            ADD_FAILURE() << "opened";
        } catch (const DbFehler& f) {
            EXPECT_TRUE(f.beschreibung().contains(QString::fromUtf8(fall.meldung)))
                << f.beschreibung().toStdString();
            const QString genannt = fall.nenntOrdner ? ordner.path() : pfad;
            EXPECT_TRUE(f.beschreibung().contains(QDir::toNativeSeparators(genannt)))
                << f.beschreibung().toStdString();
        }
        EXPECT_EQ(QFileInfo(pfad).size(), vorher.size());
        EXPECT_EQ(QFileInfo(pfad).lastModified(), vorher.lastModified());
        if (erste) {
            EXPECT_EQ(zahl(*erste, "SELECT count(*) FROM Kellner"), 2);
        }
        QFile::setPermissions(ordner.path(), kNurLesen | QFile::WriteOwner);
    }
}

TEST(Datenbankdatei, ItsFilesAreTheOwnersAloneAndStayReadableWhileTheTillRuns) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("tavro.db");
    auto kasse = DatenbankOeffnen(pfad, pfad + ".schluessel");
    kasse->ausfuehren("UPDATE Stationen SET Drucker = 0");
    for (const char* rest : {"", "-wal", "-shm", ".lock", ".schluessel"})
        EXPECT_EQ(QFileInfo(pfad + rest).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                  QFile::Permissions())
            << rest;

    // A backup or the command-line tools read along, with the key file's
    // passphrase; the program's old password no longer opens a new file.
    const QByteArray passphrase = SchluesselLesen(pfad + ".schluessel");
    EXPECT_EQ(passphrase.size(), 64);
    EXPECT_THROW(Datenbank::oeffnen(pfad, kDatenbankKennwort), DbFehler);
    auto leser = Datenbank::oeffnen(pfad, passphrase);
    EXPECT_EQ(zahl(*leser, "SELECT count(*) FROM Kellner"), 2);
    const QString sqlcipher = QStandardPaths::findExecutable("sqlcipher");
    if (sqlcipher.isEmpty()) return;
    QProcess shell;
    shell.start(sqlcipher, {pfad});
    shell.write("PRAGMA key = '" + passphrase +
                "';\nPRAGMA cipher_page_size = 4096;\nSELECT count(*) FROM Kellner;\n");
    shell.closeWriteChannel();
    ASSERT_TRUE(shell.waitForFinished());
    EXPECT_EQ(shell.readAllStandardOutput().trimmed(), QByteArray("2"))
        << shell.readAllStandardError().toStdString();
}

TEST(Datenbankdatei, AnInstalledProgramKeepsItsDatabaseInTheUsersDataFolder) {
    QTemporaryDir programm;
    QTemporaryDir daten;
    const QByteArray vorher = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(daten.path()));
    EXPECT_EQ(StandardDatenbankpfad(programm.path()), programm.filePath("tavro.db"));
    QFile::setPermissions(programm.path(), kNurLesen);
    EXPECT_EQ(StandardDatenbankpfad(programm.path()), daten.filePath("tavro/tavro.db"));
    EXPECT_TRUE(QFileInfo(daten.filePath("tavro")).isDir());
    qputenv("XDG_DATA_HOME", vorher);
}

TEST(Datenbankdatei, AnOldFileKeepsOpeningUntilReKeyedAndThenOpensOnlyWithItsKeyFile) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("tavro.db");
    const QString schluessel = ordner.filePath("schluessel");
    {
        auto alt = Datenbank::oeffnen(pfad, kDatenbankKennwort);
        SchemaAktualisieren(*alt);
        DemodatenAnlegen(*alt);
    }
    auto db = DatenbankOeffnen(pfad, schluessel);
    EXPECT_FALSE(QFileInfo::exists(schluessel));
    const std::int64_t artikel = zahl(*db, "SELECT count(*) FROM Artikelgruppe");

    FesteUhr uhr;
    SkriptDialoge dialoge;
    SpeicherDrucker drucker;
    Kontext k(*db, uhr, dialoge, drucker);
    k.werte.kellner = QStringLiteral("Tom Berger");  // no master key
    EXPECT_FALSE(SchluesselErneuern(k, schluessel));
    k.werte.kellner = QStringLiteral("Maria Huber");
    ASSERT_TRUE(SchluesselErneuern(k, schluessel));
    EXPECT_FALSE(SchluesselErneuern(k, schluessel));
    EXPECT_EQ(dialoge.meldungen, (QStringList{kNurMitHauptschluessel, kSchluesselErneuert,
                                              kEigenerSchluesselVorhanden}));
    // The backup taken first is still under the old password.
    SicherungPruefen(NeuesteSicherung(ordner.filePath("Sicherungen")), kDatenbankKennwort);
    NotfallblattDrucken(k, schluessel);
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_TRUE(drucker.auftraege[0].texte(kKopf).contains(
        QString::fromLatin1(SchluesselLesen(schluessel))));
    db.reset();

    EXPECT_THROW(Datenbank::oeffnen(pfad, kDatenbankKennwort), DbFehler);
    EXPECT_EQ(zahl(*DatenbankOeffnen(pfad, schluessel), "SELECT count(*) FROM Artikelgruppe"),
              artikel);

    // Without its key file, or with another installation's, the file is
    // refused naming the key file, and no key file is made in its place.
    const QString fremd = ordner.filePath("fremd");
    SchluesselAnlegen(fremd);
    for (const QString& falsch : {ordner.filePath("fehlt"), fremd}) {
        try {
            DatenbankOeffnen(pfad, falsch);
            ADD_FAILURE() << "geöffnet mit " << falsch.toStdString();
        } catch (const DbFehler& f) {
            EXPECT_TRUE(f.beschreibung().contains(falsch)) << f.beschreibung().toStdString();
        }
    }
    EXPECT_FALSE(QFileInfo::exists(ordner.filePath("fehlt")));
}
