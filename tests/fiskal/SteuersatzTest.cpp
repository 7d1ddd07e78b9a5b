#include <gtest/gtest.h>

#include "core/DbFehler.h"
#include "fiskal/Steuersatz.h"
#include "fiskal/Steuertabelle.h"

TEST(Steuersatz, ReadsRatesAsTypedAndRefusesTheRest) {
    const struct {
        const char* text;
        std::optional<int> satz;
    } faelle[] = {
        {"19", 1900},   {"7", 700},     {" 7,0 ", 700}, {"10.7", 1070}, {"19 %", 1900},
        {"5,5%", 550},  {"100", 10000}, {"0,01", 1},    {"", {}},       {"0", {}},
        {"0,00", {}},   {"100,01", {}}, {"101", {}},    {"-7", {}},     {"7,005", {}},
        {"sieben", {}}, {"7 % %", {}},  {"1e1", {}},    {"%", {}},      {"19,", {}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(SteuersatzLesen(QString::fromUtf8(f.text)), f.satz) << f.text;
    for (const auto& [satz, text] : std::vector<std::pair<int, QString>>{
             {1900, "19 %"}, {700, "7 %"}, {1070, "10,7 %"}, {550, "5,5 %"}, {1, "0,01 %"}})
        EXPECT_EQ(SteuersatzText(satz), text) << satz;
}

TEST(Steuertabelle, NetPerRateFromTheSummedGrossRoundedOnceAndStableLetters) {
    // Three lines of 1,10 at 19 %: each net rounded alone would sum to 2,76.
    Steuertabelle t;
    t.hinzufuegen(1070, Geld(107));
    t.hinzufuegen(1900, Geld(110));
    t.hinzufuegen(700, Geld(490));
    t.hinzufuegen(1900, Geld(110));
    t.hinzufuegen(550, Geld(211));
    t.hinzufuegen(1900, Geld(110));
    const struct {
        const char* kennung;
        int satz;
        std::int64_t brutto, netto, steuer;
    } erwartet[] = {
        {"A", 1900, 330, 277, 53},
        {"B", 700, 490, 458, 32},
        {"C", 1070, 107, 97, 10},
        {"D", 550, 211, 200, 11},
    };
    const auto zeilen = t.zeilen();
    ASSERT_EQ(zeilen.size(), std::size(erwartet));
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        EXPECT_EQ(zeilen[i].kennung, QString::fromUtf8(erwartet[i].kennung)) << i;
        EXPECT_EQ(zeilen[i].satz, erwartet[i].satz) << i;
        EXPECT_EQ(zeilen[i].brutto, Geld(erwartet[i].brutto)) << i;
        EXPECT_EQ(zeilen[i].netto, Geld(erwartet[i].netto)) << i;
        EXPECT_EQ(zeilen[i].steuer, Geld(erwartet[i].steuer)) << i;
    }

    // B stays 7 % on a bill without 19 %; a line without a rate is an error.
    Steuertabelle nurSpeisen;
    nurSpeisen.hinzufuegen(700, Geld(490));
    EXPECT_EQ(nurSpeisen.kennung(700), QStringLiteral("B"));
    EXPECT_THROW(nurSpeisen.hinzufuegen(0, Geld(100)), DbFehler);
    EXPECT_THROW(nurSpeisen.kennung(1600), DbFehler);
}
