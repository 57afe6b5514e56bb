#include <gtest/gtest.h>

#include "model/Character.h"
#include "model/Text.h"

using namespace orrimar;

TEST(Text, NumericValueFollowsTheReadingRule) {
    EXPECT_EQ(Val("  12abc"), 12);
    EXPECT_EQ(Val("-3"), -3);
    EXPECT_EQ(Val("+2"), 2);
    EXPECT_EQ(Val("1 2 3"), 123);  // blanks between digits are skipped
    EXPECT_DOUBLE_EQ(Val("2.5x"), 2.5);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(ValInt("2.5"), 2);  // halves to even
    EXPECT_EQ(ValInt("3.5"), 4);
    EXPECT_EQ(ValInt("99999999999999999999"), 2147483647);
    // Decimals past what a double holds add nothing.
    EXPECT_EQ(Val("0." + std::string(400, '0') + "7"), 0);
    EXPECT_DOUBLE_EQ(Val("1." + std::string(400, '9')), 2);
}

TEST(Text, PrintedNumbersAndFormats) {
    EXPECT_EQ(PrintNumber(7), " 7 ");
    EXPECT_EQ(PrintNumber(0), " 0 ");
    EXPECT_EQ(PrintNumber(-2), "-2 ");
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(1234567), "1,234,567");
    EXPECT_EQ(FormatThousands(-1000), "-1,000");
    EXPECT_EQ(DecimalText(6.57), "6.57");
    EXPECT_EQ(DecimalText(1.0), "1");
}

TEST(Text, CaseAndSlicing) {
    EXPECT_TRUE(EqualsNoCase("[Ranks]", "[RANKS]"));
    EXPECT_TRUE(StartsWithNoCase("DataLoc=/x", "dataloc"));
    EXPECT_FALSE(StartsWithNoCase("data", "dataloc"));
    EXPECT_EQ(Mid("Type=12", 6), "12");
    EXPECT_EQ(Mid("abc", 9), "");
    EXPECT_EQ(Fit("Strength", 3), "Str");
    EXPECT_EQ(Fit("Ed", 3), "Ed ");
    EXPECT_EQ(Split("A/B/", '/'), (std::vector<std::string>{"A", "B", ""}));
    EXPECT_EQ(DelimitedItems(" 100, 200 ,\"a,b\",x"),
              (std::vector<std::string>{"100", "200", "a,b", "x"}));
}

TEST(ExtendedHex, DigitsBothWays) {
    EXPECT_EQ(HexDigit(0), "0");
    EXPECT_EQ(HexDigit(-3), "0");
    EXPECT_EQ(HexDigit(9), "9");
    EXPECT_EQ(HexDigit(10), "A");
    EXPECT_EQ(HexDigit(17), "H");
    EXPECT_EQ(HexDigit(18), "J");
    EXPECT_EQ(HexDigit(32), "Z");
    EXPECT_EQ(HexDigit(33), "-99");
    for (int v = 1; v <= 32; ++v) EXPECT_EQ(ExtHexValue(HexDigit(v)[0]), v);
    EXPECT_EQ(ExtHexValue('a'), 10);
    EXPECT_EQ(ExtHexValue('0'), -99);
    EXPECT_EQ(ExtHexValue('O'), -99);
    EXPECT_EQ(ExtHexValue('I'), -99);
    EXPECT_EQ(ExtHexValue(' '), -99);
}
