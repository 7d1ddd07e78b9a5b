#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "core/Datenbankdatei.h"
#include "service/frmRaum.h"
#include "support/DbTest.h"
#include "ui/widgets/TischKachel.h"

class FloorView : public DbTest {
  protected:
    FloorView() {
        station("Gastraum", {"1", "2", "12"});
        kellner("Tom", "1", "", {"Gastraum"});
        kellner("Anna", "2", "", {"Gastraum"});
        k->werte.kellner = "Tom";
        k->werte.station = "Gastraum";
    }
    TischKachel* kachel(const QString& name) {
        for (TischKachel* kachel : raum.kacheln())
            if (kachel->tag() == name) return kachel;
        return nullptr;
    }
    void tippen(int taste, Qt::KeyboardModifiers modifikatoren = Qt::KeypadModifier) {
        QTest::keyClick(&raum, static_cast<Qt::Key>(taste), modifikatoren);
    }
    QString auswahl() { return raum.findChild<QLineEdit*>("txtTischauswahl")->text(); }

    frmRaum raum{*k};
    QSignalSpy geoeffnet{&raum, &frmRaum::tischGeoeffnet};
};

TEST_F(FloorView, KeypadDigitsAndEnterOpenTheTableOthersDoNothing) {
    raum.TischeLaden("Gastraum");
    raum.show();

    tippen(Qt::Key_1, Qt::NoModifier);  // top row
    tippen(Qt::Key_2, Qt::NoModifier);
    EXPECT_EQ(auswahl(), QString());
    tippen(Qt::Key_9);
    tippen(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(auswahl(), QString());
    tippen(Qt::Key_9);
    tippen(Qt::Key_9);
    tippen(Qt::Key_Enter);  // no such table: discarded silently
    EXPECT_EQ(auswahl(), QString());
    EXPECT_EQ(geoeffnet.count(), 0);

    tippen(Qt::Key_1);
    tippen(Qt::Key_2);
    EXPECT_EQ(auswahl(), QStringLiteral("12"));
    tippen(Qt::Key_Enter);
    EXPECT_EQ(geoeffnet.count(), 1);
    EXPECT_EQ(k->werte.tisch, QStringLiteral("12"));
    EXPECT_EQ(auswahl(), QString());
    EXPECT_TRUE(dialoge.meldungen.isEmpty());

    // While a modal window is open the floor view leaves the keyboard alone.
    QWidget modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    tippen(Qt::Key_1);
    EXPECT_EQ(auswahl(), QString());
}

TEST_F(FloorView, TouchOpensAfterTheChecksAndOccupiedTablesCarryTheMarker) {
    offeneZeile("Gastraum", "1", "Anna");
    offeneZeile("Gastraum", "2", "Tom");
    raum.TischeLaden("Gastraum");
    raum.show();
    ASSERT_EQ(raum.kacheln().size(), 3u);
    EXPECT_TRUE(kachel("1")->besetzt());
    EXPECT_TRUE(kachel("2")->besetzt());
    EXPECT_FALSE(kachel("12")->besetzt());

    QTest::mouseClick(kachel("1"), Qt::LeftButton);
    EXPECT_EQ(dialoge.meldungen,
              QStringList{"Sie haben nicht die nötigen Rechte, um auf diesen Tisch zuzugreifen"});
    EXPECT_EQ(geoeffnet.count(), 0);
    QTest::mouseClick(kachel("2"), Qt::LeftButton);
    EXPECT_EQ(geoeffnet.count(), 1);
    EXPECT_EQ(k->werte.tisch, QStringLiteral("2"));

    // Coming back to the floor view shows what happened meanwhile.
    raum.hide();
    offeneZeile("Gastraum", "12", "Tom");
    raum.resize(1200, 800);
    raum.show();
    EXPECT_TRUE(kachel("12")->besetzt());

    // Tiles sit at their stored place relative to the floor picture.
    const QRect ort = kachel("2")->geometry();
    const QRect erste = kachel("1")->geometry();
    EXPECT_EQ(ort.topLeft() - erste.topLeft(), QPoint(100, 0));
    EXPECT_EQ(ort.size(), QSize(80, 80));
}

TEST_F(FloorView, MarkersFollowTheLinesAnotherTillCommitsWhileShown) {
    NUR_SERVER();
    const auto andere = Datenbank::oeffnen(dateipfad(), kDatenbankKennwort);
    raum.TischeLaden("Gastraum");
    raum.show();
    ASSERT_FALSE(kachel("2")->besetzt());

    andere->ausfuehren(QStringLiteral(
        "INSERT INTO OffeneTische (Station, Tisch, Kellner) VALUES ('Gastraum', '2', 'Anna')"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return kachel("2")->besetzt(); }, 1000));
    andere->ausfuehren(QStringLiteral("DELETE FROM OffeneTische"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !kachel("2")->besetzt(); }, 1000));
}
