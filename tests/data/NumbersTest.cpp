#include "data/Numbers.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

// "9007199254740993" lies halfway between two doubles: the even one is the
// nearest, which digit-by-digit accumulation misses.
TEST(NumbersTest, ReadsDecimalTextsWithSpacesAroundToTheNearestDouble) {
    const std::pair<const char*, double> numbers[] = {
        {"3", 3},   {" 3.50 ", 3.5}, {"-20", -20},     {"+2", 2},    {".5", 0.5}, {"5.", 5},
        {"007", 7}, {"0.00", 0},     {"  -0.5", -0.5}, {"0.1", 0.1}, {"8.1", 8.1}};
    EXPECT_EQ(ParseNumber("0.30000000000000004"), 0.1 + 0.2);
    EXPECT_EQ(ParseNumber("9007199254740993"), 9007199254740992.0);
    for (const auto& [text, value] : numbers) {
        EXPECT_TRUE(IsNumeric(text)) << '"' << text << '"';
        EXPECT_EQ(ParseNumber(text), value) << '"' << text << '"';
    }
    for (const char* text : {"", " ", ".", "-", "+-1", "abc", "1e5", "3,50", "1 000", "3.5.0",
                             "- 3", "0x10", "\t3", "inf", "nan", "12.5€"}) {
        EXPECT_FALSE(IsNumeric(text)) << '"' << text << '"';
        EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
    }
}

TEST(NumbersTest, ReadsWholeNumbersThatFitIn32Bits) {
    const std::pair<const char*, int> numbers[] = {{"41", 41},
                                                   {" 7 ", 7},
                                                   {"-3", -3},
                                                   {"+12", 12},
                                                   {"2147483647", 2147483647},
                                                   {"-2147483648", -2147483647 - 1}};
    for (const auto& [text, value] : numbers) {
        EXPECT_EQ(ParseInteger(text), value) << '"' << text << '"';
    }
    for (const char* text : {"2147483648", "-2147483649", "3.0", "", "1 2", "abc", "7;"}) {
        EXPECT_FALSE(ParseInteger(text).has_value()) << '"' << text << '"';
    }
}

TEST(NumbersTest, WritesTheShortestTextOfAtMost15DigitsWithoutExponent) {
    for (const char* text : {"7", "10.5", "12.345", "-20", "0", "0.05", "99.99", "0.0000001",
                             "-0.000025", "1000000000000000", "100000000000000000000"}) {
        EXPECT_EQ(NumberToText(*ParseNumber(text)), text);
    }
    const std::pair<double, const char*> computed[] = {
        {3 * 1.1, "3.3"},
        {0.1 + 0.2, "0.3"},
        {-0.0, "0"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {123456789012345678.0, "123456789012346000"}};
    for (const auto& [number, text] : computed) {
        EXPECT_EQ(NumberToText(number), text);
    }
}

}  // namespace
}  // namespace vantor
