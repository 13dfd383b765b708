#include "data/Numbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantor {
namespace {

TEST(NumbersTest, DecimalTextsWithSpacesAroundAreNumeric) {
    for (const char* text : {"3", " 3.50 ", "-20", "+2", ".5", "5.", "007", "0.00", "  -0.5"}) {
        EXPECT_TRUE(IsNumeric(text)) << '"' << text << '"';
    }
}

TEST(NumbersTest, OtherTextsAreNotNumeric) {
    for (const char* text : {"", " ", ".", "-", "+-1", "abc", "1e5", "3,50", "1 000", "3.5.0",
                             "- 3", "0x10", "\t3", "inf", "nan", "12.5€"}) {
        EXPECT_FALSE(IsNumeric(text)) << '"' << text << '"';
        EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
    }
}

TEST(NumbersTest, ParsesToTheNearestDouble) {
    EXPECT_EQ(ParseNumber(" 3.50 "), 3.5);
    EXPECT_EQ(ParseNumber("-20"), -20.0);
    EXPECT_EQ(ParseNumber("+2"), 2.0);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("5."), 5.0);
    EXPECT_EQ(ParseNumber("0.1"), 0.1);
    EXPECT_EQ(ParseNumber("0.30000000000000004"), 0.1 + 0.2);
    // Halfway between two doubles: the even one, which digit-by-digit
    // accumulation misses.
    EXPECT_EQ(ParseNumber("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(ParseNumber("8.1"), 8.1);
}

TEST(NumbersTest, ParsesWholeNumbersThatFitIn32Bits) {
    EXPECT_EQ(ParseInteger("41"), 41);
    EXPECT_EQ(ParseInteger(" 7 "), 7);
    EXPECT_EQ(ParseInteger("-3"), -3);
    EXPECT_EQ(ParseInteger("+12"), 12);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), std::numeric_limits<int>::min());
    for (const char* text : {"2147483648", "-2147483649", "3.0", "", "1 2", "abc", "7;"}) {
        EXPECT_FALSE(ParseInteger(text).has_value()) << '"' << text << '"';
    }
}

TEST(NumbersTest, NumberToTextIsShortestWithAtMost15Digits) {
    EXPECT_EQ(NumberToText(7), "7");
    EXPECT_EQ(NumberToText(10.5), "10.5");
    EXPECT_EQ(NumberToText(3 * 1.1), "3.3");
    EXPECT_EQ(NumberToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberToText(12.345), "12.345");
    EXPECT_EQ(NumberToText(9.00), "9");
    EXPECT_EQ(NumberToText(-20), "-20");
    EXPECT_EQ(NumberToText(3 * 3.5), "10.5");
    EXPECT_EQ(NumberToText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(NumberToText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(NumberToText(123456789012345678.0), "123456789012346000");
}

TEST(NumbersTest, NumberToTextNeverUsesAnExponent) {
    EXPECT_EQ(NumberToText(1e20), "100000000000000000000");
    EXPECT_EQ(NumberToText(1e-7), "0.0000001");
    EXPECT_EQ(NumberToText(-2.5e-5), "-0.000025");
    EXPECT_EQ(NumberToText(1e15), "1000000000000000");
    EXPECT_EQ(NumberToText(0.5), "0.5");
}

TEST(NumbersTest, ZeroIsWrittenWithoutSign) {
    EXPECT_EQ(NumberToText(0.0), "0");
    EXPECT_EQ(NumberToText(-0.0), "0");
}

TEST(NumbersTest, TextOfANumberReadsBackToTheSameText) {
    for (const char* text : {"3.5", "-20", "0.05", "1234.56", "99.99", "0.0000001"}) {
        EXPECT_EQ(NumberToText(*ParseNumber(text)), text);
    }
}

}  // namespace
}  // namespace vantor
