#include <gtest/gtest.h>

#include "core/Geld.h"
#include "core/Geschaeftstag.h"

TEST(Geld, GermanFormats) {
    EXPECT_EQ(Geld(123456).waehrung(), QStringLiteral("1.234,56 €"));
    EXPECT_EQ(Geld(123456).text(QStringLiteral("####,#####0.00")), QStringLiteral("1.234,56"));
    EXPECT_EQ(Geld(123456).text(QStringLiteral("####0.00")), QStringLiteral("1234,56"));
    EXPECT_EQ(Geld(250).text(QStringLiteral("####0.#0")), QStringLiteral("2,50"));
    EXPECT_EQ(Geld(5).text(QStringLiteral("#####0.00")), QStringLiteral("0,05"));
    EXPECT_EQ(Geld(-750).text(), QStringLiteral("-7,50"));
    EXPECT_EQ(Geld(-750).waehrung(), QStringLiteral("-7,50 €"));
    EXPECT_EQ(Geld(0).waehrung(), QStringLiteral("0,00 €"));
    EXPECT_EQ(Geld(-123456789).waehrung(), QStringLiteral("-1.234.567,89 €"));
    EXPECT_EQ(Geld(99999).text(QStringLiteral("#,##0.00")), QStringLiteral("999,99"));
}

TEST(Geld, ReadsWhatAUserTypesAndNothingElse) {
    EXPECT_EQ(Geld::lesen(QStringLiteral("12,5")), Geld(1250));
    EXPECT_EQ(Geld::lesen(QStringLiteral("12.50")), Geld(1250));
    EXPECT_EQ(Geld::lesen(QStringLiteral("1.234,56 €")), Geld(123456));
    EXPECT_EQ(Geld::lesen(QStringLiteral(" 7 ")), Geld(700));
    EXPECT_EQ(Geld::lesen(QStringLiteral("-3,20")), Geld(-320));
    EXPECT_EQ(Geld::lesen(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(Geld::lesen(QStringLiteral("1,234")), std::nullopt);
    EXPECT_EQ(Geld::lesen(QStringLiteral("")), std::nullopt);
    EXPECT_EQ(Geld::lesen(QStringLiteral("12,5x")), std::nullopt);
    EXPECT_EQ(Geld::lesen(QStringLiteral("99999999999999999")), std::nullopt);
}

TEST(Geld, UnroundedAmountsRoundHalfAwayFromZeroWhenPrinted) {
    EXPECT_EQ(Geld::text(587.5, QStringLiteral("####0.00")), QStringLiteral("5,88"));
    EXPECT_EQ(Geld::gerundet(-0.5), Geld(-1));
    EXPECT_EQ(Geld::gerundet(2.5), Geld(3));
}

TEST(Geschaeftstag, ChangesAtFourInTheMorning) {
    EXPECT_EQ(Geschaeftstag(QDateTime(QDate(2026, 12, 6), QTime(3, 59, 59))), QDate(2026, 12, 5));
    EXPECT_EQ(Geschaeftstag(QDateTime(QDate(2026, 12, 6), QTime(4, 0, 0))), QDate(2026, 12, 6));
    EXPECT_EQ(Geschaeftstag(QDateTime(QDate(2027, 1, 1), QTime(0, 30))), QDate(2026, 12, 31));
    EXPECT_EQ(Geschaeftstag(QDateTime(QDate(2028, 3, 1), QTime(1, 0))), QDate(2028, 2, 29));
}
