#include "core/Anmeldung.h"
#include "core/Rechte.h"
#include "core/Rechteschluessel.h"
#include "support/DbTest.h"

using Anmeldung = DbTest;

TEST_F(Anmeldung, LoginByPinMasterKeyAndTheRefusals) {
    kellner("Chef", "1000", "1001", {}, "aktiviert", Rechte::kMasterKey);
    kellner("Tom", "2000", "2001");
    kellner("Gesperrt", "3000", "3001", {}, "deaktiviert");
    kellner("Leer", "4000", "4001", {}, "aktiviert", "");

    EXPECT_EQ(KellnerPinAbfrage(*k, "2000"), Anmeldeergebnis::Angemeldet);
    EXPECT_EQ(k->werte.kellner, QStringLiteral("Tom"));
    EXPECT_EQ(KellnerPinAbfrage(*k, Rechte::kMasterKey), Anmeldeergebnis::Angemeldet);
    EXPECT_EQ(k->werte.kellner, QStringLiteral("Chef"));
    EXPECT_TRUE(dialoge.meldungen.isEmpty());

    // Wrong, odd and locked logins leave the current waiter in place. (A right
    // PIN after each keeps the count of wrong ones in a row low.)
    for (const char* pin : {"9999", "20a0", "2000'", "' OR '1'='1", "",
                            "1234567890123456789012345678901234567890", " 2000"}) {
        EXPECT_EQ(KellnerPinAbfrage(*k, QString::fromUtf8(pin)), Anmeldeergebnis::PinFalsch) << pin;
        EXPECT_EQ(dialoge.meldungen.takeLast(), kPinFalsch);
        EXPECT_EQ(k->werte.kellner, QStringLiteral("Chef"));
        EXPECT_EQ(KellnerPinAbfrage(*k, Rechte::kMasterKey), Anmeldeergebnis::Angemeldet);
    }
    EXPECT_EQ(KellnerPinAbfrage(*k, "3000"), Anmeldeergebnis::Gesperrt);
    EXPECT_EQ(dialoge.meldungen, QStringList{kZugangGesperrt});
    EXPECT_EQ(k->werte.kellner, QStringLiteral("Chef"));
    EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());
}

TEST_F(Anmeldung, SamePinTheFirstRowWinsAndApostrophesWork) {
    kellner("O'Brien", "5'5");
    kellner("Zweiter", "5'5");
    EXPECT_EQ(KellnerPinAbfrage(*k, "5'5"), Anmeldeergebnis::Angemeldet);
    EXPECT_EQ(k->werte.kellner, QStringLiteral("O'Brien"));
    EXPECT_TRUE(Pin2Abfrage(*k, ""));
}

TEST_F(Anmeldung, SecondPinRightWrongAndNoMasterKey) {
    kellner("Chef", "1000", "1001", {}, "aktiviert", Rechte::kMasterKey);
    k->werte.kellner = "Chef";
    EXPECT_TRUE(Pin2Abfrage(*k, "1001"));
    EXPECT_TRUE(dialoge.meldungen.isEmpty());
    EXPECT_FALSE(Pin2Abfrage(*k, "1000"));
    EXPECT_FALSE(Pin2Abfrage(*k, Rechte::kMasterKey));
    EXPECT_EQ(dialoge.meldungen, QStringList({kPin2Falsch, kPin2Falsch}));
}

TEST_F(Anmeldung, RightsCheckAndLocks) {
    station("Gastraum");
    kellner("Tom", "2000", "2001", {"Stornieren", "Gastraum", "MENUSPERRE"});
    kellner("Ohne", "3000", "3001");
    EXPECT_TRUE(RechteAbfrage(*k, "Tom", "Stornieren"));
    EXPECT_TRUE(RechteAbfrage(*k, "Tom", "Gastraum"));
    EXPECT_TRUE(RechteAbfrage(*k, "Tom", Rechte::kMenusperre));          // lock set: refuses
    EXPECT_FALSE(RechteAbfrage(*k, "Tom", Rechte::kVerwaltungssperre));  // null: no lock
    EXPECT_FALSE(RechteAbfrage(*k, "Tom", "Abkassieren"));               // null column
    EXPECT_FALSE(RechteAbfrage(*k, "Ohne", "Stornieren"));
    EXPECT_FALSE(RechteAbfrage(*k, "Niemand", "Stornieren"));  // no row
    EXPECT_FALSE(RechteAbfrage(*k, "Niemand", Rechte::kMenusperre));
    EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());

    EXPECT_FALSE(RechteAbfrage(*k, "Tom", "GibtEsNicht"));
    ASSERT_EQ(dialoge.fehlermeldungen.size(), 1);
    EXPECT_TRUE(dialoge.fehlermeldungen[0].startsWith("Fehlernummer "));
    EXPECT_TRUE(dialoge.fehlermeldungen[0].contains("GibtEsNicht", Qt::CaseInsensitive));
}

TEST_F(Anmeldung, TableTestsLookAtTheNameOnly) {
    kellner("Chef", "1", "", {}, "aktiviert", Rechte::kMasterKey);
    kellner("Tom", "2");
    db->ausfuehren(
        "INSERT INTO OffeneTische (Station, Tisch, Kellner) VALUES ('Biergarten', '12', 'Tom')");
    EXPECT_TRUE(TischBelegtAbfrage(*db, "12"));
    EXPECT_FALSE(TischBelegtAbfrage(*db, "1"));
    EXPECT_TRUE(KellnerTischAbfrage(*db, "12", "Tom"));
    EXPECT_FALSE(KellnerTischAbfrage(*db, "12", "Chef"));
    EXPECT_TRUE(AdminKeyAbfrage(*db, "Chef"));
    EXPECT_FALSE(AdminKeyAbfrage(*db, "Tom"));
}

TEST_F(Anmeldung, WrongPinsInARowMakeTheLoginWaitLongerEachTime) {
    kellner("Tom", "2000", "2001");
    using E = Anmeldeergebnis;
    struct Schritt {
        int sekundenSpaeter;
        const char* pin;
        E ergebnis;
        QString meldung;  // empty: none
    };
    const Schritt schritte[] = {
        {0, "1", E::PinFalsch, kPinFalsch},
        {0, "2", E::PinFalsch, kPinFalsch},
        {0, "3", E::PinFalsch, kPinFalsch},
        {0, "4", E::PinFalsch, kPinFalsch},
        {0, "5", E::PinFalsch, AnmeldungWartenText(30)},   // the fifth in a row
        {10, "2000", E::Warten, AnmeldungWartenText(20)},  // even the right one
        {19, "6", E::Warten, AnmeldungWartenText(1)},
        {1, "6", E::PinFalsch, AnmeldungWartenText(60)},  // wait over: each miss doubles
        {59, "2000", E::Warten, AnmeldungWartenText(1)},
        {1, "7", E::PinFalsch, AnmeldungWartenText(120)},
        {120, "2000", E::Angemeldet, QString()},
        // A login starts the count afresh.
        {0, "1", E::PinFalsch, kPinFalsch},
        {0, "2000", E::Angemeldet, QString()},
    };
    for (const Schritt& s : schritte) {
        uhr.zeit = uhr.zeit.addSecs(s.sekundenSpaeter);
        dialoge.meldungen.clear();
        k->werte.kellner.clear();
        EXPECT_EQ(KellnerPinAbfrage(*k, QString::fromUtf8(s.pin)), s.ergebnis) << s.pin;
        EXPECT_EQ(dialoge.meldungen, s.meldung.isEmpty() ? QStringList() : QStringList{s.meldung})
            << s.pin;
        EXPECT_EQ(k->werte.kellner, s.ergebnis == E::Angemeldet ? "Tom" : "") << s.pin;
    }
}
