#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "ui/bericht/Dokument.h"
#include "ui/bericht/Zeichnen.h"

namespace {

constexpr int kPunkteProMm = 10;

// Paints the first page at 10 dots per millimetre, white paper.
QImage gezeichnet(const Dokument& d) {
    QImage bild(static_cast<int>(d.breite * kPunkteProMm), static_cast<int>(d.hoehe * kPunkteProMm),
                QImage::Format_RGB32);
    bild.setDotsPerMeterX(kPunkteProMm * 1000);
    bild.setDotsPerMeterY(kPunkteProMm * 1000);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    SeiteZeichnen(d, 0, maler);
    return bild;
}

QColor bei(const QImage& bild, double xMm, double yMm) {
    return bild.pixelColor(static_cast<int>(xMm * kPunkteProMm),
                           static_cast<int>(yMm * kPunkteProMm));
}

}  // namespace

TEST(SeiteZeichnen, PlacesRulesBoxesAndPicturesWhereTheLayoutPutsThemInMillimetres) {
    QTemporaryDir tmp;
    const QString png = tmp.filePath(QStringLiteral("rot.png"));
    QImage rot(40, 20, QImage::Format_RGB32);
    rot.fill(Qt::red);
    ASSERT_TRUE(rot.save(png));
    const QString svg = tmp.filePath(QStringLiteral("blau.svg"));
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="20" height="20">)"
            R"(<rect width="20" height="20" fill="#0000ff"/></svg>)");
    f.close();

    Berichtslayout l(QStringLiteral("Probe"), 60);
    l.bild(kKopf, QStringLiteral("Symbol1"), {0, 0, 20, 10}, png);
    l.bild(kKopf, QStringLiteral("Symbol3"), {30, 0, 10, 10}, svg);
    l.bild(kKopf, QStringLiteral("Symbol4"), {45, 0, 10, 10},
           tmp.filePath(QStringLiteral("fehlt.png")));
    l.linie(kKopf, QStringLiteral("Linie1"), {0, 15, 60, 0});
    l.rahmen(kKopf, QStringLiteral("Symbol2"), {10, 20, 40, 10});
    const QImage bild = gezeichnet(BerichtErzeugen(l, {}));

    EXPECT_EQ(bei(bild, 10, 5), QColor(Qt::red));
    EXPECT_EQ(bei(bild, 35, 5), QColor(Qt::blue));
    EXPECT_EQ(bei(bild, 50, 5), QColor(Qt::white));  // a missing picture leaves its place empty
    EXPECT_EQ(bei(bild, 30, 15), QColor(Qt::black));
    EXPECT_EQ(bei(bild, 10, 25), QColor(Qt::black));
    EXPECT_EQ(bei(bild, 50, 25), QColor(Qt::black));
    EXPECT_EQ(bei(bild, 30, 25), QColor(Qt::white));
    EXPECT_EQ(bei(bild, 30, 17), QColor(Qt::white));
}
