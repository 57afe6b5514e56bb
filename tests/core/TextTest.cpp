#include <gtest/gtest.h>

#include "data/Character.h"
#include "text/Text.h"

using namespace orrimar;

// Blanks between digits are skipped; halves round to even; decimals past what a
// double holds add nothing.
TEST(Text, NumericValueFollowsTheReadingRule) {
    const std::pair<std::string, double> values[] = {// clang-format off
        {"  12abc", 12}, {"-3", -3}, {"+2", 2}, {"1 2 3", 123}, {"2.5x", 2.5}, {"abc", 0}, {"", 0},
        {"-", 0}, {"0." + std::string(400, '0') + "7", 0}, {"1." + std::string(400, '9'), 2}};
    // clang-format on
    for (const auto& [text, value] : values) EXPECT_DOUBLE_EQ(Val(text), value) << text;
    EXPECT_EQ(ValInt("2.5") * 10 + ValInt("3.5"), 24);
    EXPECT_EQ(ValInt("99999999999999999999"), 2147483647);
}

TEST(Text, PrintedNumbersAndFormats) {
    EXPECT_EQ(PrintNumber(7) + PrintNumber(0) + PrintNumber(-2), " 7  0 -2 ");
    EXPECT_EQ(FormatThousands(0) + " " + FormatThousands(1234567) + " " + FormatThousands(-1000),
              "0 1,234,567 -1,000");
    EXPECT_EQ(DecimalText(6.57) + " " + DecimalText(1.0), "6.57 1");
}

// (What reading the sample data needs of them, the golden pages hold: these are the edges.)
TEST(Text, CaseAndSlicing) {
    EXPECT_TRUE(StartsWithNoCase("DataLoc=/x", "dataloc"));
    EXPECT_FALSE(StartsWithNoCase("data", "dataloc"));
    EXPECT_EQ(Mid("Type=12", 6) + Mid("abc", 9), "12");
    EXPECT_EQ(DelimitedItems(" 100, 200 ,\"a,b\",x"),
              (std::vector<std::string>{"100", "200", "a,b", "x"}));
}

TEST(ExtendedHex, DigitsBothWays) {
    std::string digits;
    for (int v : {0, -3, 9, 10, 17, 18, 32, 33}) digits += HexDigit(v) + " ";
    EXPECT_EQ(digits, "0 0 9 A H J Z -99 ");
    for (int v = 1; v <= 32; ++v) EXPECT_EQ(ExtHexValue(HexDigit(v)[0]), v);
    EXPECT_EQ(ExtHexValue('a'), 10);
    for (char c : {'0', 'O', 'I', ' '}) EXPECT_EQ(ExtHexValue(c), -99) << c;
}
