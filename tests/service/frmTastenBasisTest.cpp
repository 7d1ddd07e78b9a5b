#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "core/Dialoge.h"
#include "service/frmTastenBasis.h"

namespace {

QPushButton* taste(QWidget& pad, const QString& text) {
    for (QPushButton* t : pad.findChildren<QPushButton*>())
        if (t->text() == text) return t;
    return nullptr;
}

}  // namespace

TEST(TastenBasis, KeysAndKeypadFillTheFieldOkNeedsADigit) {
    frmTastenBasis pad;
    pad.show();
    auto* feld = pad.findChild<QLineEdit*>("txtFeld");
    EXPECT_EQ(pad.windowTitle(), QStringLiteral("TastenBasis"));

    QTest::mouseClick(pad.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    EXPECT_TRUE(pad.isVisible());  // Ok on an empty field keeps the pad open

    QTest::keyClick(&pad, Qt::Key_4, Qt::KeypadModifier);
    QTest::keyClick(&pad, Qt::Key_2, Qt::KeypadModifier);
    QTest::keyClicks(&pad, "ab,-");  // swallowed
    EXPECT_EQ(feld->text(), QStringLiteral("42"));
    QTest::keyClick(&pad, Qt::Key_Delete);
    EXPECT_EQ(feld->text(), QString());

    QTest::mouseClick(taste(pad, "7"), Qt::LeftButton);
    QTest::mouseClick(taste(pad, "0"), Qt::LeftButton);
    QTest::mouseClick(taste(pad, "C"), Qt::LeftButton);
    QTest::mouseClick(taste(pad, "3"), Qt::LeftButton);
    EXPECT_EQ(feld->text(), QStringLiteral("3"));
    QTest::mouseClick(pad.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    EXPECT_FALSE(pad.isVisible());
    EXPECT_EQ(pad.ergebnis(), QStringLiteral("3"));
}

TEST(TastenBasis, EnterAnswersEvenAnEmptyFieldEscapeCancels) {
    frmTastenBasis leer;
    leer.show();
    QTest::keyClick(&leer, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(leer.isVisible());
    EXPECT_EQ(leer.ergebnis(), QString());

    frmTastenBasis abbruch;
    abbruch.show();
    QTest::keyClick(&abbruch, Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(&abbruch, Qt::Key_Escape);
    EXPECT_FALSE(abbruch.isVisible());
    EXPECT_EQ(abbruch.ergebnis(), kAbbrechen);
}
