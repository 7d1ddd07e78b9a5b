#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/MDIHauptmenu.h"
#include "hotel/Aufenthalte.h"
#include "hotel/BerichtHotelAbrechnung.h"
#include "hotel/frmHotel.h"
#include "service/frmLink.h"
#include "service/frmLinkEinsetzen.h"
#include "support/DbTest.h"
#include "support/DemoKontext.h"
#include "support/Tastaturtippen.h"
#include "ui/bericht/Dokument.h"

namespace {

class frmHotelBildschirm : public DbTest {
  protected:
    frmHotelBildschirm() {
        zimmerpreis(1, "EZ", 7000, 8000);
        zimmerpreis(1, "DZ", 9000, std::nullopt);
        zimmerpreis(2, "EZ", 6000, 6500);
        Hotelsteuersaetze(*db);
        k->werte.kellner = QStringLiteral("Anna");
        dialoge.beiVorschau = [this](const Dokument& d) { gezeigt.push_back(d); };
        fenster.resize(1100, 760);
        fenster.show();
    }

    QString feld(const char* name) { return fenster.findChild<QLineEdit*>(name)->text(); }
    QComboBox* auswahl(const char* name) { return fenster.findChild<QComboBox*>(name); }
    void waehlen(const char* name, const QString& eintrag) {
        QComboBox* combo = auswahl(name);
        combo->setCurrentIndex(combo->findText(eintrag));
        Q_EMIT combo->activated(combo->currentIndex());
    }
    void tippen(const char* name, const QString& text) {
        auto* zeile = fenster.findChild<QLineEdit*>(name);
        zeile->clear();
        QTest::keyClicks(zeile, text);
        QTest::keyClick(zeile, Qt::Key_Return);
    }
    // Typed on the screen keyboard from the key beside the field; answers whether
    // it offered the digit pad alone.
    bool amSchirmTippen(const char* name, const QString& text) {
        auto* zeile = fenster.findChild<QLineEdit*>(name);
        zeile->clear();
        return DanebenTippen(zeile, text);
    }
    void klicken(const char* name) {
        QTest::mouseClick(fenster.findChild<QAbstractButton*>(name), Qt::LeftButton);
    }
    int gespeichert() {
        Abfrage a = db->abfrage(QStringLiteral("SELECT count(*) FROM AbrechnungHotel"));
        a.naechste();
        return static_cast<int>(a.zahl(0));
    }

    frmHotel fenster{*k};
    std::vector<Dokument> gezeigt;
};

}  // namespace

TEST_F(frmHotelBildschirm, OpensOnLastNightsSingleRoomAndPrintsTheNewestBill) {
    EXPECT_EQ(fenster.findChild<QDateEdit*>("DTPickerStartdatum")->date(), QDate(2026, 12, 5));
    EXPECT_EQ(fenster.findChild<QDateEdit*>("DTPickerEnddatum")->date(), QDate(2026, 12, 6));
    EXPECT_EQ(auswahl("cmbZimmerNr")->currentText(), "1");
    EXPECT_EQ(auswahl("cmbZimmerArt")->currentText(), "EZ");
    EXPECT_EQ(auswahl("cmbZimmerLeistung")->currentText(), "ÜF");
    EXPECT_EQ(feld("txtZimmerAnzahl"), "1");
    EXPECT_EQ(feld("txtUebernachtungen"), "1");
    EXPECT_EQ(feld("txtZimmerpreis"), "80,00");
    EXPECT_EQ(feld("txtFruehstueckpreis"), "10,00");
    EXPECT_EQ(feld("txtGesamtPreis"), "80,00");

    fenster.findChild<QDateEdit*>("DTPickerStartdatum")->setDate(QDate(2026, 12, 4));
    EXPECT_EQ(feld("txtUebernachtungen"), "2");
    EXPECT_EQ(feld("txtGesamtPreis"), "160,00");
    klicken("cmdHotelrechnungDE");
    EXPECT_TRUE(amSchirmTippen("txtZimmerAnzahl", "2"));
    EXPECT_EQ(feld("txtGesamtPreis"), "320,00");
    klicken("Option1_1");
    klicken("cmdHotelrechnungDE");

    EXPECT_EQ(gespeichert(), 2);
    ASSERT_EQ(gezeigt.size(), 2u);
    EXPECT_EQ(gezeigt.back().text(kFuss, "txtSummeGesamt"), "320,00 €");
    Abfrage karte =
        db->abfrage(QStringLiteral("SELECT KARTE, BAR FROM AbrechnungHotel "
                                   "ORDER BY ID DESC"));
    ASSERT_TRUE(karte.naechste());
    EXPECT_EQ(karte.zahl(0), 32000);
    EXPECT_TRUE(karte.istNull(1));
}

TEST_F(frmHotelBildschirm, ChoicesRepriceAndBadInputIsErasedOrRefused) {
    waehlen("cmbZimmerLeistung", "Ü");
    EXPECT_EQ(feld("txtZimmerpreis"), "70,00");
    EXPECT_EQ(feld("txtFruehstueckpreis"), "0,00");
    waehlen("cmbZimmerArt", "DZ");  // no breakfast rate for this type
    EXPECT_EQ(auswahl("cmbZimmerLeistung")->currentText(), "ÜF");
    EXPECT_EQ(feld("txtZimmerpreis"), "0,00");
    EXPECT_EQ(feld("txtFruehstueckpreis"), "");
    waehlen("cmbZimmerNr", "2");
    EXPECT_EQ(auswahl("cmbZimmerArt")->currentText(), "EZ");
    EXPECT_EQ(feld("txtZimmerpreis"), "65,00");
    EXPECT_EQ(feld("txtFruehstueckpreis"), "5,00");

    tippen("txtUebernachtungen", "zwei");
    EXPECT_EQ(feld("txtUebernachtungen"), "");
    EXPECT_EQ(feld("txtGesamtPreis"), "");
    EXPECT_FALSE(amSchirmTippen("txtZimmerpreis", "-65"));
    EXPECT_EQ(feld("txtZimmerpreis"), "");
    EXPECT_EQ(dialoge.meldungen, QStringList{kNegativ});
    klicken("cmdHotelrechnungDE");
    EXPECT_EQ(dialoge.meldungen.last(), kAngabenFehlen);
    EXPECT_EQ(gespeichert(), 0);

    // The departure cannot be set before the arrival.
    auto* abreise = fenster.findChild<QDateEdit*>("DTPickerEnddatum");
    abreise->setDate(QDate(2026, 12, 1));
    EXPECT_EQ(abreise->date(), QDate(2026, 12, 5));
    EXPECT_EQ(feld("txtUebernachtungen"), "0");
    fenster.findChild<QDateEdit*>("DTPickerStartdatum")->setDate(QDate(2026, 12, 8));
    EXPECT_EQ(abreise->date(), QDate(2026, 12, 8));
    EXPECT_TRUE(dialoge.fehlermeldungen.isEmpty());
}

TEST_F(frmHotelBildschirm, ClosingAsksFirst) {
    dialoge.jaNein = {false, true};
    klicken("cmdSchliessen");
    EXPECT_TRUE(fenster.isVisible());
    klicken("cmdSchliessen");
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(dialoge.fragen.first(),
              "Wenn Sie das Fenster schließen geht alles verloren.\n"
              "Möchten Sie es trotzdem schließen ?");
}

TEST(frmHotelAufDerLandeseite, TheFourthStationShowsTheHotelScreenWithItsName) {
    DemoKontext demo;
    demo.k.werte.kellner = QStringLiteral("Maria Huber");
    MDIHauptmenu hauptmenu(demo.k);
    frmLink* link = LandeseiteEinsetzen(demo.k, hauptmenu);
    hauptmenu.resize(1280, 800);
    hauptmenu.show();
    auto* hotel = link->findChild<frmHotel*>();
    ASSERT_NE(hotel, nullptr);
    EXPECT_FALSE(hotel->isVisible());

    const auto stationWaehlen = [link](int position) {
        const QList<QPushButton*> knoepfe = link->findChildren<QPushButton*>("cmdStationenLink");
        QTest::mouseClick(knoepfe.at(position - 1), Qt::LeftButton);
    };
    stationWaehlen(4);
    EXPECT_TRUE(hotel->isVisible());
    EXPECT_EQ(hotel->findChild<QLabel*>("lblHead")->text(), QStringLiteral("Hotel"));
    EXPECT_EQ(hotel->findChild<QComboBox*>("cmbZimmerNr")->currentText(), QStringLiteral("101"));
    EXPECT_EQ(hotel->findChild<QLineEdit*>("txtZimmerpreis")->text(), QStringLiteral("82,00"));

    // Closed, then chosen again: it comes back.
    demo.dialoge.jaNein = {true};
    QTest::mouseClick(hotel->findChild<QPushButton*>("cmdSchliessen"), Qt::LeftButton);
    EXPECT_FALSE(hotel->isVisible());
    stationWaehlen(4);
    EXPECT_TRUE(hotel->isVisible());
    stationWaehlen(1);
    EXPECT_FALSE(hotel->isVisible());
    EXPECT_TRUE(demo.dialoge.meldungen.isEmpty());
    EXPECT_TRUE(demo.dialoge.fehlermeldungen.isEmpty());
}
