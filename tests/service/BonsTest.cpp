#include "service/Bons.h"

#include "support/DbTest.h"
#include "ui/bericht/Dokument.h"

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
    QString idwg = QStringLiteral("Speisen");
    QString station = QStringLiteral("Gastraum");
};

class Bons : public DbTest {
protected:
    Bons() { amTisch(QStringLiteral("Bernd"), QStringLiteral("Gastraum"), QStringLiteral("7")); }

    std::int64_t zeile(const QString& tabelle, const Posten& p) {
        db->ausfuehren(QStringLiteral("INSERT INTO %1 (RegID, Station, Tisch, Kellner, TischDetails, "
                                      "PLU, PLU_ID, Gericht, Menge_Text, GPREIS, Bondrucker, IDWG) "
                                      "VALUES (?, ?, ?, 'Anna', ?, ?, ?, ?, ?, ?, ?, ?)")
                           .arg(tabelle),
                       p.regID, p.station, p.tisch, p.details, p.plu, p.plu, p.gericht, p.mengeText,
                       p.gpreis, p.bondrucker, p.idwg);
        const std::int64_t id = db->letzteId();
        if (p.regID == 0)
            db->ausfuehren(QStringLiteral("UPDATE %1 SET RegID = ID WHERE ID = ?").arg(tabelle), id);
        return id;
    }
    std::int64_t neu(Posten p) {
        p.details = QStringLiteral("Neu");
        return zeile(QStringLiteral("OffeneTische"), p);
    }

    // The order in which leaving a table prints.
    void tischVerlassen() {
        Stornozettel(*k, kThekendrucker, QStringLiteral("Storno-Theke"));
        Stornozettel(*k, kKuechendrucker, QStringLiteral("Storno-Küche"));
        TischNeuesGericht(*k, kThekendrucker, QStringLiteral("Thekenbon"));
        TischNeuesGericht(*k, kKuechendrucker, QStringLiteral("Küchenbon"));
    }
};

}  // namespace

TEST_F(Bons, DrinksOnlyPrintTheBarTicketWithTheLeavingWaiterInTheHeader) {
    neu({QStringLiteral("7"), {}, QStringLiteral("1"), QStringLiteral("Pils 0,3"), QStringLiteral("3x"),
         1050, QStringLiteral("Thekendrucker"), 0, QStringLiteral("Getränke")});
    neu({QStringLiteral("7"), {}, QStringLiteral("998"), QStringLiteral("Getränke"),
         QStringLiteral("1x"), 250, QStringLiteral("ThekenDrucker"), 0, QStringLiteral("Getränke")});
    // Not this table's new lines: sent ones, another table's, another station's.
    zeile(QStringLiteral("OffeneTische"), {QStringLiteral("7"), QStringLiteral("Alt"),
                                           QStringLiteral("2"), QStringLiteral("Cola"),
                                           QStringLiteral("1x"), 300, QStringLiteral("Thekendrucker")});
    neu({QStringLiteral("8"), {}, QStringLiteral("2"), QStringLiteral("Cola"), QStringLiteral("1x"),
         300, QStringLiteral("Thekendrucker")});
    neu({QStringLiteral("7"), {}, QStringLiteral("2"), QStringLiteral("Cola"), QStringLiteral("1x"),
         300, QStringLiteral("Thekendrucker"), 0, QStringLiteral("Getränke"),
         QStringLiteral("Biergarten")});

    tischVerlassen();

    ASSERT_EQ(drucker.auftraege.size(), 1u);
    const Dokument& bon = drucker.auftraege[0];
    EXPECT_EQ(bon.titel, QStringLiteral("Bon"));
    EXPECT_EQ(bon.texte(kKopf), (QStringList{QStringLiteral("Thekenbon"),
                                             QStringLiteral("06.12.2026 12:00:00"),
                                             QStringLiteral("Gastraum  -  Tisch: 7"),
                                             QStringLiteral("Kellner: Bernd")}));
    // The bar ticket has no PLU field.
    EXPECT_EQ(bon.texte(kDetail),
              (QStringList{QStringLiteral("3x"), QStringLiteral("Pils 0,3"), QStringLiteral("10,50"),
                           QStringLiteral("1x"), QStringLiteral("Getränke"), QStringLiteral("2,50")}));
    EXPECT_EQ(bon.texte(kFuss), QStringList{QStringLiteral("*")});
}

TEST_F(Bons, AnExtraPrintsUnderItsOwnRoleRightBelowItsDish) {
    const auto schnitzel = neu({QStringLiteral("7"), {}, QStringLiteral("40"),
                                QStringLiteral("Schnitzel"), QStringLiteral("2x"), 2500,
                                QStringLiteral("Küchendrucker")});
    neu({QStringLiteral("7"), {}, QStringLiteral("41"), QStringLiteral("Suppe"), QStringLiteral("1x"),
         450, QStringLiteral("KüchenDrucker")});
    // Extras added after the soup still belong under the schnitzel.
    neu({QStringLiteral("7"), {}, {}, QStringLiteral("+ 2x Pommes"), {}, 600,
         QStringLiteral("Küchendrucker"), schnitzel});
    neu({QStringLiteral("7"), {}, {}, QStringLiteral("+ 2x Radler dazu"), {}, 500,
         QStringLiteral("Thekendrucker"), schnitzel});

    tischVerlassen();

    ASSERT_EQ(drucker.auftraege.size(), 2u);
    const Dokument& theke = drucker.auftraege[0];
    EXPECT_EQ(theke.text(kKopf, QStringLiteral("lblDruckerstation")), QStringLiteral("Thekenbon"));
    EXPECT_EQ(theke.texte(kDetail), (QStringList{QString(), QStringLiteral("+ 2x Radler dazu"),
                                                 QStringLiteral("5,00")}));
    const Dokument& kueche = drucker.auftraege[1];
    EXPECT_EQ(kueche.text(kKopf, QStringLiteral("lblDruckerstation")), QStringLiteral("Küchenbon"));
    EXPECT_EQ(kueche.texte(kDetail),
              (QStringList{QStringLiteral("2x"), QStringLiteral("40"), QStringLiteral("Schnitzel"),
                           QStringLiteral("25,00"), QString(), QString(),
                           QStringLiteral("+ 2x Pommes"), QStringLiteral("6,00"),
                           QStringLiteral("1x"), QStringLiteral("41"), QStringLiteral("Suppe"),
                           QStringLiteral("4,50")}));
    EXPECT_EQ(kueche.texte(kFuss), QStringList{QStringLiteral("***")});
    EXPECT_EQ(kueche.detailzeilen(), 3);
}

TEST_F(Bons, CancellationsPrintNegativeQuantitiesPositiveAmountsOfThisTableOnly) {
    const QString storno = QStringLiteral("StornosTemporaer");
    zeile(storno, {QStringLiteral("7"), {}, QStringLiteral("1"), QStringLiteral("Pils 0,3"),
                   QStringLiteral("-2x"), 700, QStringLiteral("Thekendrucker"), 0,
                   QStringLiteral("Getränke")});
    // Stored with a minus, still printed as the amount no longer owed.
    zeile(storno, {QStringLiteral("7"), {}, QStringLiteral("2"), QStringLiteral("Cola"),
                   QStringLiteral("-1x"), -300, QStringLiteral("thekendrucker"), 0,
                   QStringLiteral("Bier")});
    zeile(storno, {QStringLiteral("9"), {}, QStringLiteral("3"), QStringLiteral("Wein"),
                   QStringLiteral("-1x"), 500, QStringLiteral("Thekendrucker")});
    zeile(storno, {QStringLiteral("7"), {}, QStringLiteral("40"), QStringLiteral("Schnitzel"),
                   QStringLiteral("-1x"), 1250, QStringLiteral("Küchendrucker")});

    tischVerlassen();

    ASSERT_EQ(drucker.auftraege.size(), 2u);
    const Dokument& theke = drucker.auftraege[0];
    EXPECT_EQ(theke.text(kKopf, QStringLiteral("lblDruckerstation")), QStringLiteral("Storno-Theke"));
    EXPECT_EQ(theke.texte(kDetail),
              (QStringList{QStringLiteral("-1x"), QStringLiteral("2"), QStringLiteral("Cola"),
                           QStringLiteral("3,00"), QStringLiteral("-2x"), QStringLiteral("1"),
                           QStringLiteral("Pils 0,3"), QStringLiteral("7,00")}));
    EXPECT_EQ(theke.texte(kFuss), QStringList{QStringLiteral("*")});
    const Dokument& kueche = drucker.auftraege[1];
    EXPECT_EQ(kueche.text(kKopf, QStringLiteral("lblDruckerstation")), QStringLiteral("Storno-Küche"));
    EXPECT_EQ(kueche.text(kDetail, QStringLiteral("txtGericht"), 0), QStringLiteral("Schnitzel"));
    EXPECT_EQ(kueche.texte(kFuss), QStringList{QStringLiteral("*")});
}

TEST_F(Bons, NothingNewAndNothingPendingPrintsNothingAndAFailedPrintIsReported) {
    zeile(QStringLiteral("OffeneTische"), {QStringLiteral("7"), QStringLiteral("Alt"),
                                           QStringLiteral("1"), QStringLiteral("Pils"),
                                           QStringLiteral("1x"), 350, QStringLiteral("Thekendrucker")});
    tischVerlassen();
    EXPECT_TRUE(drucker.auftraege.empty());

    neu({QStringLiteral("7"), {}, QStringLiteral("1"), QStringLiteral("Pils"), QStringLiteral("1x"),
         350, QStringLiteral("Thekendrucker")});
    drucker.fehler = DbFehler(kDruckfehler, QStringLiteral("Kein Papier"));
    EXPECT_THROW(TischNeuesGericht(*k, kThekendrucker, QStringLiteral("Thekenbon")), DbFehler);
}
