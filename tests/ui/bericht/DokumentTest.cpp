#include <gtest/gtest.h>

#include "ui/Druckziel.h"
#include "ui/bericht/Dokument.h"

namespace {

Datenzeile zeile(const QString& gericht, qlonglong cent, const QVariant& datum = QVariant()) {
    return {{QStringLiteral("Gericht"), gericht},
            {QStringLiteral("GPREIS"), cent},
            {QStringLiteral("Datum"), datum}};
}

// A small report as the callers build them: title and date in the header, three
// fields per row, the total in the footer.
Berichtslayout liste(double seitenhoehe = 0) {
    Berichtslayout l(QStringLiteral("Liste"), 72, seitenhoehe);
    l.bezeichnung(kKopf, QStringLiteral("lblTitel"), {0, 0, 72, 8});
    l.bereich(kKopf).hoehe = 12;
    l.textfeld(kDetail, QStringLiteral("txtGericht"), {0, 0, 40, 5}, QStringLiteral("Gericht"));
    l.textfeld(kDetail, QStringLiteral("txtDatum"), {40, 0, 12, 5}, QStringLiteral("Datum"),
               QStringLiteral("dd.MM.yyyy"));
    l.textfeld(kDetail, QStringLiteral("txtGPREIS"), {52, 0, 20, 5}, QStringLiteral("GPREIS"),
               QStringLiteral("#####0.00"), {}, Ausrichtung::Rechts);
    l.linie(kDetail, QStringLiteral("Linie1"), {0, 6, 72, 0});
    l.funktion(kFuss, QStringLiteral("Funktion1"), {40, 1, 32, 6}, QStringLiteral("GPREIS"),
               QStringLiteral("Currency"));
    l.bezeichnung(kFuss, QStringLiteral("Bezeichnung1"), {0, 1, 20, 6}, QStringLiteral("*"));
    return l;
}

}  // namespace

TEST(BerichtErzeugen, PrintsHeaderOnceEachRowInOrderAndTheFooterWithItsSum) {
    Berichtslayout l = liste();
    l.setzeText(kKopf, QStringLiteral("lblTitel"), QStringLiteral("Küchenbon"));
    const Dokument d = BerichtErzeugen(
        l, {zeile(QStringLiteral("Weißbier"), 123456, QStringLiteral("2026-12-06")),
            zeile(QStringLiteral("Spätzle"), 5), zeile(QStringLiteral("Schnitzel"), -750)});

    EXPECT_EQ(d.titel, QStringLiteral("Liste"));
    EXPECT_EQ(d.seiten.size(), 1u);
    EXPECT_EQ(d.detailzeilen(), 3);
    EXPECT_EQ(d.texte(kKopf), QStringList{QStringLiteral("Küchenbon")});
    EXPECT_EQ(d.texte(kDetail),
              (QStringList{QStringLiteral("Weißbier"), QStringLiteral("06.12.2026"),
                           QStringLiteral("1234,56"), QStringLiteral("Spätzle"), QString(),
                           QStringLiteral("0,05"), QStringLiteral("Schnitzel"), QString(),
                           QStringLiteral("-7,50")}));
    EXPECT_EQ(d.text(kDetail, QStringLiteral("txtGericht"), 1), QStringLiteral("Spätzle"));
    EXPECT_EQ(d.texte(kFuss), (QStringList{QStringLiteral("1.227,11 €"), QStringLiteral("*")}));

    // Bands stack downwards: header 12 mm, each row as tall as its lowest control.
    std::vector<double> oben;
    for (const Druckelement& e : d.seiten[0].elemente)
        if (e.name == QStringLiteral("Linie1") || e.name == QStringLiteral("Funktion1"))
            oben.push_back(e.lage.top());
    EXPECT_EQ(oben, (std::vector<double>{18, 24, 30, 31}));
    EXPECT_DOUBLE_EQ(d.hoehe, 37);
    EXPECT_DOUBLE_EQ(d.breite, 72);
}

TEST(BerichtErzeugen, EmptyDataStillPrintsHeaderAndFooterWithAZeroSum) {
    const Dokument d = BerichtErzeugen(liste(), {});
    EXPECT_EQ(d.detailzeilen(), 0);
    EXPECT_EQ(d.texte(kDetail), QStringList());
    EXPECT_EQ(d.text(kFuss, QStringLiteral("Funktion1")), QStringLiteral("0,00 €"));
}

TEST(BerichtErzeugen, BreaksPagesOnlyWhenTheLayoutHasAPageHeight) {
    Berichtsdaten daten;
    for (int i = 0; i < 10; ++i) daten.push_back(zeile(QString::number(i), 100));

    const Dokument rolle = BerichtErzeugen(liste(), daten);
    EXPECT_EQ(rolle.seiten.size(), 1u);
    EXPECT_DOUBLE_EQ(rolle.hoehe, 12 + 10 * 6 + 7);

    const Dokument a4 = BerichtErzeugen(liste(40), daten);
    EXPECT_EQ(a4.seiten.size(), 3u);  // 12 + 4 rows | 6 rows | footer
    EXPECT_DOUBLE_EQ(a4.hoehe, 40);
    for (const Seite& s : a4.seiten)
        for (const Druckelement& e : s.elemente)
            EXPECT_LE(e.lage.bottom(), 40) << e.name.toStdString();
    EXPECT_EQ(a4.detailzeilen(), 10);
    EXPECT_EQ(a4.texte(kDetail), rolle.texte(kDetail));
    EXPECT_EQ(a4.seiten[2].elemente.front().lage.top(), 1);
    EXPECT_EQ(a4.text(kFuss, QStringLiteral("Funktion1")), QStringLiteral("10,00 €"));
}

TEST(BerichtErzeugen, HiddenControlsAreLeftOutAndLayoutMistakesAreReported) {
    Berichtslayout l = liste();
    l.element(kDetail, QStringLiteral("txtDatum")).sichtbar = false;
    const Dokument d = BerichtErzeugen(l, {zeile(QStringLiteral("Tee"), 250)});
    EXPECT_EQ(d.texte(kDetail), (QStringList{QStringLiteral("Tee"), QStringLiteral("2,50")}));

    EXPECT_THROW(l.element(kDetail, QStringLiteral("txtFehlt")), DbFehler);
    EXPECT_THROW(l.bereich(QStringLiteral("Bereich9")), DbFehler);
    // A field bound to a column the data lacks is a mistake, not an empty field.
    try {
        BerichtErzeugen(l, {{{QStringLiteral("Gericht"), QStringLiteral("Tee")}}});
        FAIL() << "no error";
    } catch (const DbFehler& f) {
        EXPECT_EQ(f.nummer(), kDruckfehler);
        EXPECT_TRUE(f.beschreibung().contains(QStringLiteral("GPREIS")));
    }
}

TEST(BerichtErzeugen, AGrowingFieldWrapsAndPushesTheRuleBelowItDown) {
    Berichtslayout l = liste();
    l.element(kDetail, QStringLiteral("txtGericht")).wachsen = true;
    const Dokument d = BerichtErzeugen(
        l, {zeile(QStringLiteral("Tee"), 250),
            zeile(QStringLiteral("Schweinebraten mit Semmelknödel und Krautsalat vom Fass"), 1490),
            zeile(QStringLiteral("Tee"), 250)});
    std::vector<double> linien;
    double gerichtHoehe = 0;
    for (const Druckelement& e : d.seiten[0].elemente) {
        if (e.name == QStringLiteral("Linie1")) linien.push_back(e.lage.top());
        if (e.zeile == 1 && e.name == QStringLiteral("txtGericht")) gerichtHoehe = e.lage.height();
        if (e.zeile == 1 && e.name == QStringLiteral("txtGPREIS")) {
            EXPECT_EQ(e.lage.top(), 18);
        }
    }
    ASSERT_EQ(linien.size(), 3u);
    EXPECT_EQ(linien[0], 18);  // a short text keeps its row
    const double mehr = gerichtHoehe - 5;
    EXPECT_GT(mehr, 4);  // two lines or more
    EXPECT_DOUBLE_EQ(linien[1], 24 + mehr);
    EXPECT_DOUBLE_EQ(linien[2], 30 + mehr);
    EXPECT_DOUBLE_EQ(d.hoehe, 37 + mehr);
}
