#include <QDir>
#include <QFile>
#include <QTextStream>

#include "fiskal/Journalbefehle.h"
#include "fiskal/Journalexport.h"
#include "reports/Kassenabschluss.h"
#include "reports/Rechnungsuebersicht.h"
#include "service/Abkassieren.h"
#include "support/DbTest.h"
#include "support/Posten.h"

namespace {

class Journalexport : public DbTest {
  protected:
    Journalexport() {
        kellner("Anna", "1111", "2222");
        amTisch("Anna", "Gastraum", "5");
    }

    void abkassieren(const QString& gericht, int menge, std::int64_t cent,
                     const QString& zahlungsart, Geld gutschein = Geld()) {
        Posten p;
        p.gericht = gericht;
        p.menge = menge;
        p.cent = cent;
        PostenAnlegen(*db, p.aufZahlliste());
        dialoge.jaNein = {true};  // change paid out, where a voucher is above the bill
        ASSERT_TRUE(::Abkassieren(*k, kKeinBon, zahlungsart, {QString(), gutschein}));
    }

    // The rows of a written file, split at the semicolons; the header first.
    std::vector<QStringList> lesen(const QString& datei) {
        QFile f(QDir(ziel.path()).filePath(datei));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << datei.toStdString();
        std::vector<QStringList> zeilen;
        for (const QByteArray& zeile : f.readAll().split('\n'))
            if (!zeile.trimmed().isEmpty())
                zeilen.push_back(QString::fromUtf8(zeile.trimmed()).split(QLatin1Char(';')));
        return zeilen;
    }

    // The sum of a column over the rows whose Z-Nr. is given, in cents.
    std::int64_t summe(const std::vector<QStringList>& zeilen, const QString& spalte,
                       const QString& zNr) {
        const int s = zeilen[0].indexOf(spalte), z = zeilen[0].indexOf(QStringLiteral("Z-Nr"));
        std::int64_t cent = 0;
        for (std::size_t i = 1; i < zeilen.size(); ++i)
            if (zeilen[i][z] == zNr) cent += std::llround(zeilen[i][s].toDouble() * 100);
        return cent;
    }

    QTemporaryDir ziel;
};

}  // namespace

TEST_F(Journalexport, BillsAndLinesSumToTheClosingTheyBelongTo) {
    abkassieren(QStringLiteral("Pils"), 2, 350, kBar);
    abkassieren(QStringLiteral("Suppe; scharf"), 1, 490, kGutschein, Geld(1000));
    abkassieren(QStringLiteral("Wein"), 3, 520, kKarte);
    ZahlungsartAendern(*k, QStringLiteral("3"), kBar);
    UmsaetzeAbschliessen(*k);
    uhr.stellen(QDate(2026, 12, 7), QTime(12, 0));
    abkassieren(QStringLiteral("Pils"), 1, 350, kKarte);
    UmsaetzeAbschliessen(*k);

    const Exportbericht bericht = JournalExportieren(*db, ziel.path(), "2026-12-06", "2026-12-07");
    EXPECT_TRUE(bericht.geschrieben) << bericht.meldung.toStdString();
    EXPECT_EQ(bericht.meldung, QStringLiteral("Journal exportiert: 4 Rechnungen und 2 "
                                              "Kassenabschlüsse nach '%1'.")
                                   .arg(QDir::toNativeSeparators(ziel.path())));
    const auto rechnungen = lesen(kExportRechnungen);
    const auto positionen = lesen(kExportPositionen);
    const auto abschluesse = lesen(kExportAbschluesse);
    const auto steuersaetze = lesen(kExportSteuersaetze);
    EXPECT_EQ(rechnungen[0].join(';'), QStringLiteral("Beleg-Nr;Z-Nr;Rechnung-Nr;Geschäftstag;Zeit;"
                                                      "Kasse;Station;Tisch;Kellner;Beleg;Gesamt;"
                                                      "BAR;KARTE;GUTSCHEIN;ZIMMER"));
    EXPECT_EQ(rechnungen[2].mid(0, 4), QStringList({"2", "1", "2", "2026-12-06"}));
    EXPECT_EQ(rechnungen[2].mid(10), QStringList({"4.90", "-5.10", "0.00", "10.00", "0.00"}));
    EXPECT_EQ(positionen[2].mid(4, 2), QStringList({"1", "\"Suppe"}));  // quoted: "Suppe; scharf"
    ASSERT_EQ(abschluesse.size(), 3u);

    for (const QString zNr : {"1", "2"}) {
        SCOPED_TRACE(zNr.toStdString());
        const int zeile = zNr.toInt();
        for (const QString spalte : {"Gesamt", "BAR", "KARTE", "GUTSCHEIN", "ZIMMER"})
            EXPECT_EQ(summe(rechnungen, spalte, zNr),
                      summe({abschluesse[0], abschluesse[zeile]}, spalte, zNr))
                << spalte.toStdString();
        EXPECT_EQ(summe(positionen, "Betrag", zNr), summe(steuersaetze, "Brutto", zNr));
        EXPECT_EQ(summe(positionen, "Betrag", zNr), summe(rechnungen, "Gesamt", zNr));
    }
    EXPECT_EQ(summe(rechnungen, "BAR", "1"), 700 - 510 + 1560);  // the wine paid cash after all

    // One day alone: only its bills and its closing.
    EXPECT_TRUE(JournalExportieren(*db, ziel.path(), "2026-12-07", "2026-12-07").geschrieben);
    EXPECT_EQ(lesen(kExportRechnungen).size(), 2u);
    EXPECT_EQ(lesen(kExportAbschluesse).size(), 2u);
}

TEST_F(Journalexport, BadDatesOrFolderWriteNothing) {
    const QString fehltNicht = ziel.path();
    const struct {
        QString ordner, von, bis, meldung;
    } faelle[] = {
        {fehltNicht, "6.12.2026", "2026-12-06",
         "Das Datum '6.12.2026' ist ungültig. Bitte geben Sie es als JJJJ-MM-TT ein, z. B. "
         "2026-12-06."},
        {fehltNicht, "2026-12-07", "2026-12-06", "Das Von-Datum liegt nach dem Bis-Datum."},
        {fehltNicht + "/fehlt", "2026-12-06", "2026-12-06",
         "Der Ordner '" + fehltNicht + "/fehlt' existiert nicht oder ist schreibgeschützt."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.meldung.toStdString());
        const Exportbericht bericht = JournalExportieren(*db, f.ordner, f.von, f.bis);
        EXPECT_FALSE(bericht.geschrieben);
        EXPECT_EQ(bericht.meldung, f.meldung);
        EXPECT_TRUE(QDir(ziel.path()).isEmpty());
    }
}

TEST_F(Journalexport, CommandsPrintOneLineAndAnswerByExitCode) {
    abkassieren(QStringLiteral("Pils"), 1, 350, kBar);
    abkassieren(QStringLiteral("Pils"), 1, 350, kBar);
    const QString datei = dateipfad();
    const struct {
        QStringList argumente;
        const char* manipulation;  // run with the triggers dropped
        int code;
        QString ausgabe;
    } faelle[] = {
        {{"--journal-pruefen", "--datenbank", datei}, "", 0, "Journal in Ordnung: 2 Einträge\n"},
        {{"--journal-export", ziel.path(), "--von", "2026-12-06", "--bis", "2026-12-06",
          "--datenbank", datei},
         "",
         0,
         "Journal exportiert: 2 Rechnungen und 0 Kassenabschlüsse nach '" + ziel.path() + "'.\n"},
        {{"--journal-export", ziel.path(), "--von", "gestern", "--bis", "2026-12-06", "--datenbank",
          datei},
         "",
         1,
         "Das Datum 'gestern' ist ungültig. Bitte geben Sie es als JJJJ-MM-TT ein, z. B. "
         "2026-12-06.\n"},
        {{"--journal-pruefen", "--datenbank", ziel.filePath("fehlt.db")}, "", 2, ""},
        {{"--journal-pruefen", "--datenbank", datei},
         "UPDATE Journal SET Inhalt = replace(Inhalt, 'Pils', 'Wasser') WHERE Nr = 2",
         1,
         "Journal verändert ab Eintrag 2\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.argumente.join(' ').toStdString());
        if (*f.manipulation) {
            journalschutzAufheben();
            db->skript(QString::fromUtf8(f.manipulation));
        }
        QStringList argumente = f.argumente;
        argumente.prepend("tavro");
        EXPECT_TRUE(IstJournalbefehl(argumente));
        QString aus, fehler;
        QTextStream ausStrom(&aus), fehlerStrom(&fehler);
        EXPECT_EQ(JournalbefehlAusfuehren(argumente, datei, ausStrom, fehlerStrom), f.code);
        EXPECT_EQ(aus, f.ausgabe);
        EXPECT_EQ(fehler.isEmpty(), f.code != 2) << fehler.toStdString();
    }
    EXPECT_FALSE(IstJournalbefehl({"tavro", "--datenbank", datei}));
}
