#include "admin/Kellnerkartei.h"
#include "admin/Kellnerliste.h"
#include "core/Anmeldung.h"
#include "core/Rechte.h"
#include "core/Rechteschluessel.h"
#include "support/DbTest.h"

namespace {

const QString kAlle = "MitarbeiterVerwaltungUneingeschrenkt";
const QString kAndere = "MitarbeiterVerwaltungAlleKarteiPersoenlicheDaten";
const QString kEigene = "MitarbeiterVerwaltungSeineKarteiPersoenlicheDaten";

class Kellnerkartei : public DbTest {
  protected:
    std::int64_t id(const QString& name) {
        Abfrage a = db->abfrage("SELECT ID FROM Kellner WHERE Mitarbeiter = ?", name);
        return a.naechste() ? a.zahl(0) : 0;
    }
    int anzahl() {
        Abfrage a = db->abfrage("SELECT COUNT(*) FROM Kellner");
        a.naechste();
        return static_cast<int>(a.zahl(0));
    }
    // Every column of every row, to prove that nothing else changed.
    QStringList alles() {
        QStringList zeilen;
        Abfrage a = db->abfrage("SELECT * FROM Kellner ORDER BY ID");
        while (a.naechste()) {
            QStringList werte;
            for (int i = 0; i < a.spaltenzahl(); ++i) werte << a.wert(i).toString();
            zeilen << werte.join('|');
        }
        return zeilen;
    }
    static Kartei kartei(const QString& vorname, const QString& nachname, const QString& pin1,
                         const QString& pin2, const QStringList& rechte = {}) {
        Kartei c;
        c.vorname = vorname;
        c.nachname = nachname;
        c.pin1 = pin1;
        c.pin2 = pin2;
        c.rechte = rechte;
        return c;
    }
};

}  // namespace

TEST_F(Kellnerkartei, TheWaitersRightsChooseTheMode) {
    kellner("Leiter", "1", "", {kAlle}, "aktiviert");
    kellner("Buero", "2", "", {kAndere});
    kellner("Tom", "3", "", {kEigene});
    kellner("Ohne", "4");
    using M = Karteimodus;

    k->werte.kellner = "Leiter";
    EXPECT_EQ(NeuerMitarbeiterModus(*k), M::NeuerMitarbeiterUneingeschrenkt);
    EXPECT_EQ(BearbeitenModus(*k, id("Tom")), M::MitarbeiterBearbeitenUneingeschrenkt);
    EXPECT_TRUE(LoeschenErlaubt(*k, id("Tom")));

    k->werte.kellner = "Buero";
    EXPECT_EQ(NeuerMitarbeiterModus(*k), M::NeuerMitarbeiterNurPersoenlicheDaten);
    EXPECT_EQ(BearbeitenModus(*k, id("Tom")), M::MitarbeiterBearbeitenNurPersoenlicheDaten);
    EXPECT_EQ(BearbeitenModus(*k, id("Leiter")), std::nullopt);  // could take over his PIN
    EXPECT_FALSE(LoeschenErlaubt(*k, id("Tom")));

    k->werte.kellner = "Tom";
    EXPECT_EQ(NeuerMitarbeiterModus(*k), std::nullopt);
    EXPECT_EQ(BearbeitenModus(*k, id("Tom")), M::MitarbeiterBearbeitenNurPersoenlicheDaten);
    EXPECT_EQ(BearbeitenModus(*k, id("Ohne")), std::nullopt);

    k->werte.kellner = "Ohne";
    EXPECT_EQ(BearbeitenModus(*k, id("Ohne")), std::nullopt);
    EXPECT_EQ(dialoge.meldungen, QStringList(5, kKeineRechte));
}

TEST_F(Kellnerkartei, DeletingRemovesOnlyThatRowAndNeverTheLastActive) {
    kellner("Leiter", "1", "", {kAlle});
    kellner("Tom", "3", "", {}, "deaktiviert");
    k->werte.kellner = "Leiter";
    EXPECT_FALSE(LoeschenErlaubt(*k, id("Leiter")));
    EXPECT_EQ(dialoge.meldungen, QStringList{kMindestensEinKellner});
    ASSERT_TRUE(LoeschenErlaubt(*k, id("Tom")));
    MitarbeiterLoeschen(*k, id("Tom"));
    EXPECT_EQ(anzahl(), 1);
    EXPECT_EQ(id("Tom"), 0);
}

TEST_F(Kellnerkartei, EmptyFieldsAndShortPinsAreRefusedAndNothingIsStored) {
    const auto neu = Karteimodus::NeuerMitarbeiterUneingeschrenkt;
    EXPECT_FALSE(KarteiSpeichern(*k, neu, 0, kartei(" ", "", "1", "2")));
    EXPECT_FALSE(KarteiSpeichern(*k, neu, 0, kartei("Anna", "", "", "2")));
    EXPECT_FALSE(KarteiSpeichern(*k, neu, 0, kartei("", "Berg", "1", "")));
    EXPECT_FALSE(KarteiSpeichern(*k, neu, 0, kartei("Anna", "", "123", "4567")));
    EXPECT_FALSE(KarteiSpeichern(*k, neu, 0, kartei("Anna", "", "1234", "456")));
    EXPECT_EQ(dialoge.meldungen,
              QStringList({"Es muss ein 'Vorname' oder 'Nachname' ins Feld eingegeben werden",
                           "Es muss 'Pin1' ins Feld eingegeben werden",
                           "Es muss 'Pin2' ins Feld eingegeben werden", kPinZuKurz, kPinZuKurz}));
    EXPECT_EQ(anzahl(), 0);
}

TEST_F(Kellnerkartei, NewMemberWithRightsAndApostrophes) {
    Kartei c =
        kartei(" Seán ", "O'Brien", "12'3", "4'56", {"Stornieren", "KellnerberichtDrucken", kAlle});
    c.strasse = "Hauptstraße 1";
    c.email = "sean@example.org";
    ASSERT_TRUE(KarteiSpeichern(*k, Karteimodus::NeuerMitarbeiterUneingeschrenkt, 0, c));
    const auto neu = id("Seán O'Brien");
    ASSERT_NE(neu, 0);
    const Kartei gelesen = KarteiLaden(*db, neu);
    EXPECT_EQ(gelesen.vorname, "Seán");
    EXPECT_EQ(gelesen.nachname, "O'Brien");
    EXPECT_EQ(gelesen.strasse, "Hauptstraße 1");
    EXPECT_EQ(gelesen.email, "sean@example.org");
    EXPECT_EQ(gelesen.pin1, "12'3");
    EXPECT_EQ(gelesen.pin2, "4'56");
    EXPECT_EQ(gelesen.rechte, (QStringList{"Stornieren", "KellnerberichtDrucken", kAlle}));
    // Not active until somebody ticks the entry in the list.
    EXPECT_EQ(KellnerPinAbfrage(*k, "12'3"), Anmeldeergebnis::Gesperrt);
}

TEST_F(Kellnerkartei, NewMemberWithPersonalDataOnlyGetsTheStartingRights) {
    // The hidden tabs cannot smuggle rights in.
    ASSERT_TRUE(KarteiSpeichern(*k, Karteimodus::NeuerMitarbeiterNurPersoenlicheDaten, 0,
                                kartei("", "Berg", "7777", "8888", {kAlle, "Kassenabschluss"})));
    EXPECT_EQ(KarteiLaden(*db, id("Berg")).rechte,
              (QStringList{"FremdeTische", "MENUSPERRE", "MitarbeiterVerwaltung", kEigene}));
    Abfrage a = db->abfrage("SELECT Status, AdminKey FROM Kellner WHERE Mitarbeiter = 'Berg'");
    ASSERT_TRUE(a.naechste());
    EXPECT_EQ(a.text(0), "");
    EXPECT_EQ(a.text(1), "");
}

TEST_F(Kellnerkartei, DuplicateNameAndPinsAreRefusedInBothModes) {
    kellner("Anna Berg", "1111", "1100");
    kellner("Tom", "2222", "2200");
    const QStringList vorher = alles();

    const auto neu = Karteimodus::NeuerMitarbeiterUneingeschrenkt;
    EXPECT_FALSE(KarteiSpeichern(*k, neu, 0, kartei("Anna", "Berg", "5555", "5500")));
    EXPECT_FALSE(KarteiSpeichern(*k, neu, 0, kartei("Eva", "", "1111", "5500")));
    EXPECT_FALSE(KarteiSpeichern(*k, neu, 0, kartei("Eva", "", "5555", "2200")));
    EXPECT_EQ(dialoge.meldungen, QStringList({"Dieser Mitarbeiter existiert bereits",
                                              "Eintrag von Pin1 ist nicht erlaubt",
                                              "Eintrag von Pin2 ist nicht erlaubt"}));

    dialoge.meldungen.clear();
    for (auto modus : {Karteimodus::MitarbeiterBearbeitenUneingeschrenkt,
                       Karteimodus::MitarbeiterBearbeitenNurPersoenlicheDaten}) {
        EXPECT_FALSE(KarteiSpeichern(*k, modus, id("Tom"), kartei("Anna", "Berg", "2222", "2200")));
        EXPECT_FALSE(KarteiSpeichern(*k, modus, id("Tom"), kartei("Tom", "", "1111", "2200")));
        EXPECT_FALSE(KarteiSpeichern(*k, modus, id("Tom"), kartei("Tom", "", "2222", "1100")));
    }
    const QStringList bearbeiten = {
        "Dieser Mitarbeiter existiert bereits",
        "Eintrag von Pin1 ist nicht erlaubt. Bitte geben Sie erneut ein anderes Pin ein.",
        "Eintrag von Pin2 ist nicht erlaubt. Bitte geben Sie erneut ein anderes Pin ein."};
    EXPECT_EQ(dialoge.meldungen, bearbeiten + bearbeiten);
    EXPECT_EQ(alles(), vorher);

    // Keeping one's own name and PINs is no conflict.
    EXPECT_TRUE(KarteiSpeichern(*k, Karteimodus::MitarbeiterBearbeitenUneingeschrenkt, id("Tom"),
                                kartei("Tom", "", "2222", "2200")));
}

TEST_F(Kellnerkartei, OwnDataOnlyChangesThatRowAndNeverTheName) {
    station("Gastraum");
    kellner("Tom", "2", "22", {kEigene, "Gastraum"});
    kellner("Anna", "3", "33", {"Stornieren"});
    k->werte.kellner = "Tom";
    const QStringList vorher = alles();
    ASSERT_EQ(BearbeitenModus(*k, id("Tom")),
              Karteimodus::MitarbeiterBearbeitenNurPersoenlicheDaten);

    Kartei c = kartei("Thomas", "Kurz", "2a22", "22b2", {kAlle});
    c.telefon = "0171 1";
    ASSERT_TRUE(
        KarteiSpeichern(*k, Karteimodus::MitarbeiterBearbeitenNurPersoenlicheDaten, id("Tom"), c));
    const QStringList nachher = alles();
    EXPECT_EQ(nachher[1], vorher[1]);
    EXPECT_NE(nachher[0], vorher[0]);
    const Kartei gelesen = KarteiLaden(*db, id("Tom"));
    EXPECT_EQ(gelesen.nachname, "Kurz");
    EXPECT_EQ(gelesen.telefon, "0171 1");
    EXPECT_EQ(gelesen.pin1, "2a22");
    EXPECT_EQ(gelesen.rechte, (QStringList{kEigene}));
    EXPECT_TRUE(RechteAbfrage(*k, "Tom", "Gastraum"));
    EXPECT_EQ(k->werte.kellner, "Tom");
}

TEST_F(Kellnerkartei, UnrestrictedEditRenamesAndRewritesEveryRight) {
    station("Gastraum");
    kellner("Leiter", "1", "11", {kAlle, "Gastraum"}, "aktiviert", Rechte::kMasterKey);
    kellner("Tom", "2", "22", {"Stornieren", "Abkassieren"});
    k->werte.kellner = "Leiter";

    ASSERT_TRUE(KarteiSpeichern(
        *k, Karteimodus::MitarbeiterBearbeitenUneingeschrenkt, id("Tom"),
        kartei("Tom", "Kurz", "2222", "2200", {"Rechnungen", "FreieBerichteVerwaltung"})));
    EXPECT_EQ(id("Tom"), 0);
    EXPECT_EQ(KarteiLaden(*db, id("Tom Kurz")).rechte,
              (QStringList{"Rechnungen", "FreieBerichteVerwaltung"}));

    // The waiter renaming himself stays logged in under the new name, with his
    // administrator key and station access untouched.
    ASSERT_TRUE(KarteiSpeichern(*k, Karteimodus::MitarbeiterBearbeitenUneingeschrenkt, id("Leiter"),
                                kartei("Lea", "Leiter", "1111", "1100", {kAlle})));
    EXPECT_EQ(k->werte.kellner, "Lea Leiter");
    EXPECT_TRUE(RechteAbfrage(*k, k->werte.kellner, kAlle));
    EXPECT_TRUE(RechteAbfrage(*k, k->werte.kellner, "Gastraum"));
    EXPECT_TRUE(AdminKeyAbfrage(*db, "Lea Leiter"));
}

TEST_F(Kellnerkartei, NobodyRemovesTheAdministratorHimselfOrTheLastManager) {
    const QStringList verwalter = {kAlle, "MitarbeiterVerwaltung", "Kassenabschluss"};
    kellner("Chef", "1111", "1100", verwalter, "aktiviert", Rechte::kMasterKey);
    kellner("Leiter", "2222", "2200", verwalter);
    kellner("Buero", "3333", "3300", {kAlle});  // may delete, may not close the till
    kellner("Tom", "4444", "4400");
    enum class Aktion { Loeschen, Sperren, RechteNehmen };
    struct Fall {
        const char* wer;
        Aktion aktion;
        const char* wen;
        const char* vorher;  // SQL run first; the case is rolled back afterwards
        QString meldung;     // empty: allowed
    };
    const char* chefGesperrt =
        "UPDATE Kellner SET Status = 'deaktiviert' WHERE Mitarbeiter = 'Chef'";
    const char* chefOhneMenu = "UPDATE Kellner SET MENUSPERRE = 1 WHERE Mitarbeiter = 'Chef'";
    const Fall faelle[] = {
        {"Leiter", Aktion::Loeschen, "Chef", "", kAdminNichtLoeschen},
        {"Leiter", Aktion::Loeschen, "Leiter", "", kNichtSichSelbst},
        {"Buero", Aktion::Loeschen, "Leiter", chefGesperrt, kLetzterVerwalter},
        {"Buero", Aktion::Loeschen, "Leiter", chefOhneMenu, kLetzterVerwalter},
        {"Buero", Aktion::Sperren, "Leiter", chefGesperrt, kLetzterVerwalter},
        {"Buero", Aktion::RechteNehmen, "Leiter", chefGesperrt, kLetzterVerwalter},
        {"Buero", Aktion::Loeschen, "Leiter", "", QString()},
        {"Buero", Aktion::Sperren, "Leiter", "", QString()},
        {"Buero", Aktion::RechteNehmen, "Leiter", "", QString()},
        {"Leiter", Aktion::Loeschen, "Tom", chefGesperrt, QString()},
    };
    for (const Fall& f : faelle) {
        Transaktion probe(*db);
        if (*f.vorher) db->ausfuehren(QString::fromUtf8(f.vorher));
        const QStringList vorher = alles();
        k->werte.kellner = f.wer;
        dialoge.meldungen.clear();
        bool erlaubt = false;
        switch (f.aktion) {
            case Aktion::Loeschen:
                erlaubt = LoeschenErlaubt(*k, id(f.wen));
                break;
            case Aktion::Sperren:
                // The second PIN is asked only when everything else allows it.
                SperreAendern(*k, id(f.wen), false, [&] {
                    erlaubt = true;
                    return false;
                });
                break;
            case Aktion::RechteNehmen:
                erlaubt = KarteiSpeichern(*k, Karteimodus::MitarbeiterBearbeitenUneingeschrenkt,
                                          id(f.wen), kartei(f.wen, "", "2222", "2200", {kAlle}));
                break;
        }
        const QString fall = QStringLiteral("%1 %2 %3").arg(f.wer).arg(int(f.aktion)).arg(f.wen);
        EXPECT_EQ(erlaubt, f.meldung.isEmpty()) << fall.toStdString();
        EXPECT_EQ(dialoge.meldungen, f.meldung.isEmpty() ? QStringList() : QStringList{f.meldung})
            << fall.toStdString();
        if (!erlaubt) {
            EXPECT_EQ(alles(), vorher) << fall.toStdString();
        }
    }
}
