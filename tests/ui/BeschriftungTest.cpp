#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "ui/Beschriftung.h"

TEST(Beschriftung, CaptionsWrapShrinkBreakLongWordsAndCutOnlyAsALastResort) {
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(20);
    const QFontMetricsF masse(schrift);
    struct Fall {
        const char* text;
        QSize flaeche;
        int zeilen;  // 0: any number
        bool getrennt;
        bool gekuerzt;
    };
    const Fall faelle[] = {
        {"Pils", {200, 60}, 1, false, false},
        {"Tisch schließen", {120, 60}, 2, false, false},
        {"Zitronenlimonade", {150, 60}, 1, false, false},  // shrinks rather than breaks
        {"Alkoholfreies Bier", {63, 58}, 0, true, false},
        {"Donaudampfschifffahrtsgesellschaft", {30, 14}, 0, false, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        const QString text = QString::fromUtf8(f.text);
        const Beschriftung b = BeschriftungEinpassen(text, schrift, f.flaeche);
        EXPECT_EQ(b.gekuerzt, f.gekuerzt);
        if (f.zeilen) {
            EXPECT_EQ(b.zeilen.size(), f.zeilen) << b.zeilen.join('|').toStdString();
        }
        EXPECT_GE(b.massstab * masse.height(), kKleinsteSchrift - 0.5);
        for (const QString& zeile : b.zeilen)
            EXPECT_LE(masse.horizontalAdvance(zeile) * b.massstab, f.flaeche.width() + 0.5)
                << zeile.toStdString();
        if (f.gekuerzt) continue;
        EXPECT_LE(b.zeilen.size() * masse.lineSpacing() * b.massstab, f.flaeche.height() + 0.5);
        // Broken or not, the key still says the whole caption.
        QString gelesen;
        for (const QString& zeile : b.zeilen)
            gelesen +=
                zeile.endsWith(QLatin1Char('-')) ? zeile.chopped(1) : zeile + QLatin1Char(' ');
        EXPECT_EQ(gelesen.trimmed(), text);
        EXPECT_EQ(b.zeilen.join(QString()).count(QLatin1Char('-')) > 0, f.getrennt)
            << b.zeilen.join('|').toStdString();
    }
}
