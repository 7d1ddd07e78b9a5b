#include "service/Bons.h"
#include "support/DbTest.h"
#include "ui/bericht/Dokument.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct Posten {
    QString tisch;
    QString details;  // Neu or Alt; unused for pending cancellations
    QString plu;
    QString gericht;
    QString mengeText;
    std::int64_t gpreis;
    QString bondrucker;
    std::int64_t regID = 0;  // 0: the row's own ID
    QString idwg = u"Speisen"_s;
    QString station = u"Gastraum"_s;
};

class Bons : public DbTest {
  protected:
    Bons() { amTisch(u"Bernd"_s, u"Gastraum"_s, u"7"_s); }

    std::int64_t zeile(const QString& tabelle, const Posten& p) {
        db->ausfuehren(
            QStringLiteral("INSERT INTO %1 (RegID, Station, Tisch, Kellner, TischDetails, "
                           "PLU, PLU_ID, Gericht, Menge_Text, GPREIS, Bondrucker, IDWG) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .arg(tabelle),
            p.regID, p.station, p.tisch, k->werte.kellner, p.details, p.plu, p.plu, p.gericht,
            p.mengeText, p.gpreis, p.bondrucker, p.idwg);
        const std::int64_t id = db->letzteId();
        if (p.regID == 0)
            db->ausfuehren(u"UPDATE %1 SET RegID = ID WHERE ID = ?"_s.arg(tabelle), id);
        return id;
    }
    std::int64_t neu(Posten p) {
        p.details = u"Neu"_s;
        return zeile(u"OffeneTische"_s, p);
    }

    // The order in which leaving a table prints.
    void tischVerlassen() {
        Stornozettel(*k, kThekendrucker, u"Storno-Theke"_s);
        Stornozettel(*k, kKuechendrucker, u"Storno-Küche"_s);
        TischNeuesGericht(*k, kThekendrucker, u"Thekenbon"_s);
        TischNeuesGericht(*k, kKuechendrucker, u"Küchenbon"_s);
    }
};

}  // namespace

TEST_F(Bons, DrinksOnlyPrintTheBarTicketWithTheLeavingWaiterInTheHeader) {
    neu({u"7"_s, {}, u"1"_s, u"Pils 0,3"_s, u"3x"_s, 1050, u"Thekendrucker"_s, 0, u"Getränke"_s});
    neu({u"7"_s, {}, u"998"_s, u"Getränke"_s, u"1x"_s, 250, u"ThekenDrucker"_s, 0, u"Getränke"_s});
    // Not this table's new lines: sent ones, another table's, another station's.
    zeile(u"OffeneTische"_s,
          {u"7"_s, u"Alt"_s, u"2"_s, u"Cola"_s, u"1x"_s, 300, u"Thekendrucker"_s});
    neu({u"8"_s, {}, u"2"_s, u"Cola"_s, u"1x"_s, 300, u"Thekendrucker"_s});
    Posten biergarten{u"7"_s, {}, u"2"_s, u"Cola"_s, u"1x"_s, 300, u"Thekendrucker"_s};
    biergarten.station = u"Biergarten"_s;
    neu(biergarten);
    // Nor another waiter's: it is sent, and printed, when that waiter leaves.
    db->ausfuehren(u"UPDATE OffeneTische SET Kellner = 'Anna' WHERE ID = ?"_s,
                   neu({u"7"_s, {}, u"3"_s, u"Wein"_s, u"1x"_s, 600, u"Thekendrucker"_s}));

    tischVerlassen();

    ASSERT_EQ(drucker.auftraege.size(), 1u);
    const Dokument& bon = drucker.auftraege[0];
    EXPECT_EQ(bon.titel, u"Thekenbon"_s);
    EXPECT_EQ(bon.rolle, u"Thekendrucker"_s);
    EXPECT_EQ(bon.texte(kKopf), (QStringList{u"Thekenbon"_s, u"06.12.2026 12:00:00"_s,
                                             u"Gastraum  -  Tisch: 7"_s, u"Kellner: Bernd"_s}));
    // The bar ticket has no PLU field.
    EXPECT_EQ(bon.texte(kDetail),
              (QStringList{u"3x"_s, u"Pils 0,3"_s, u"10,50"_s, u"1x"_s, u"Getränke"_s, u"2,50"_s}));
    EXPECT_EQ(bon.texte(kFuss), QStringList{u"*"_s});
}

TEST_F(Bons, AnExtraPrintsUnderItsOwnRoleRightBelowItsDish) {
    const auto schnitzel =
        neu({u"7"_s, {}, u"40"_s, u"Schnitzel"_s, u"2x"_s, 2500, u"Küchendrucker"_s});
    neu({u"7"_s, {}, u"41"_s, u"Suppe"_s, u"1x"_s, 450, u"KüchenDrucker"_s});
    // Extras added after the soup still belong under the schnitzel.
    neu({u"7"_s, {}, {}, u"+ 2x Pommes"_s, {}, 600, u"Küchendrucker"_s, schnitzel});
    neu({u"7"_s, {}, {}, u"+ 2x Radler dazu"_s, {}, 500, u"Thekendrucker"_s, schnitzel});

    tischVerlassen();

    ASSERT_EQ(drucker.auftraege.size(), 2u);
    const Dokument& theke = drucker.auftraege[0];
    EXPECT_EQ(theke.text(kKopf, u"lblDruckerstation"_s), u"Thekenbon"_s);
    EXPECT_EQ(theke.texte(kDetail), (QStringList{QString(), u"+ 2x Radler dazu"_s, u"5,00"_s}));
    const Dokument& kueche = drucker.auftraege[1];
    EXPECT_EQ(kueche.text(kKopf, u"lblDruckerstation"_s), u"Küchenbon"_s);
    EXPECT_EQ(kueche.texte(kDetail),
              (QStringList{u"2x"_s, u"40"_s, u"Schnitzel"_s, u"25,00"_s, QString(), QString(),
                           u"+ 2x Pommes"_s, u"6,00"_s, u"1x"_s, u"41"_s, u"Suppe"_s, u"4,50"_s}));
    EXPECT_EQ(kueche.texte(kFuss), QStringList{u"***"_s});
    EXPECT_EQ(kueche.detailzeilen(), 3);
}

TEST_F(Bons, CancellationsPrintNegativeQuantitiesPositiveAmountsOfThisTableOnly) {
    const QString storno = u"StornosTemporaer"_s;
    zeile(storno,
          {u"7"_s, {}, u"1"_s, u"Pils 0,3"_s, u"-2x"_s, 700, u"Thekendrucker"_s, 0, u"Getränke"_s});
    // Stored with a minus, still printed as the amount no longer owed.
    zeile(storno,
          {u"7"_s, {}, u"2"_s, u"Cola"_s, u"-1x"_s, -300, u"thekendrucker"_s, 0, u"Bier"_s});
    zeile(storno, {u"9"_s, {}, u"3"_s, u"Wein"_s, u"-1x"_s, 500, u"Thekendrucker"_s});
    zeile(storno, {u"7"_s, {}, u"40"_s, u"Schnitzel"_s, u"-1x"_s, 1250, u"Küchendrucker"_s});

    tischVerlassen();

    ASSERT_EQ(drucker.auftraege.size(), 2u);
    const Dokument& theke = drucker.auftraege[0];
    EXPECT_EQ(theke.text(kKopf, u"lblDruckerstation"_s), u"Storno-Theke"_s);
    EXPECT_EQ(theke.texte(kDetail), (QStringList{u"-1x"_s, u"2"_s, u"Cola"_s, u"3,00"_s, u"-2x"_s,
                                                 u"1"_s, u"Pils 0,3"_s, u"7,00"_s}));
    EXPECT_EQ(theke.texte(kFuss), QStringList{u"*"_s});
    const Dokument& kueche = drucker.auftraege[1];
    EXPECT_EQ(kueche.text(kKopf, u"lblDruckerstation"_s), u"Storno-Küche"_s);
    EXPECT_EQ(kueche.text(kDetail, u"txtGericht"_s, 0), u"Schnitzel"_s);
    EXPECT_EQ(kueche.texte(kFuss), QStringList{u"*"_s});
}

TEST_F(Bons, NothingNewAndNothingPendingPrintsNothingAndAFailedPrintIsReported) {
    zeile(u"OffeneTische"_s,
          {u"7"_s, u"Alt"_s, u"1"_s, u"Pils"_s, u"1x"_s, 350, u"Thekendrucker"_s});
    tischVerlassen();
    EXPECT_TRUE(drucker.auftraege.empty());

    neu({u"7"_s, {}, u"1"_s, u"Pils"_s, u"1x"_s, 350, u"Thekendrucker"_s});
    drucker.fehler = DbFehler(kDruckfehler, u"Kein Papier"_s);
    EXPECT_THROW(TischNeuesGericht(*k, kThekendrucker, u"Thekenbon"_s), DbFehler);
}
