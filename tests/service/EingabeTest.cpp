#include <gtest/gtest.h>

#include "service/Eingabe.h"

TEST(Eingabe, QuantityAndArticleAreSplitAtTheFirstX) {
    auto teile = EingabeAufteilen("3x12");
    EXPECT_EQ(teile.menge, QStringLiteral("3"));
    EXPECT_EQ(teile.rest, QStringLiteral("12"));
    teile = EingabeAufteilen("12");
    EXPECT_EQ(teile.menge, QStringLiteral("1"));
    EXPECT_EQ(teile.rest, QStringLiteral("12"));
    teile = EingabeAufteilen("x12");
    EXPECT_EQ(teile.menge, QString());
    EXPECT_EQ(teile.rest, QStringLiteral("12"));
}

TEST(Eingabe, OnlyWholeNumbersFromOneTo9999AreQuantities) {
    EXPECT_EQ(MengeLesen("1"), 1);
    EXPECT_EQ(MengeLesen("9999"), 9999);
    EXPECT_EQ(MengeLesen("007"), 7);
    for (const char* falsch :
         {"", "0", "10000", "123456789012", "abc", "3a", "-2", "+3", " 3", "2,5"})
        EXPECT_EQ(MengeLesen(QString::fromUtf8(falsch)), std::nullopt) << falsch;
}

TEST(Eingabe, FreePricesAreAtLeastTwoDigitsOfCents) {
    EXPECT_EQ(FreierPreisLesen("250"), Geld(250));
    EXPECT_EQ(FreierPreisLesen("9999999"), Geld(9999999));
    for (const char* falsch : {"", "7", "2x50", "2,5"})
        EXPECT_EQ(FreierPreisLesen(QString::fromUtf8(falsch)), std::nullopt) << falsch;
}
