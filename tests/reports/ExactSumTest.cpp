// Journal amounts are read as exact decimals: the same texts count as numbers
// as everywhere else in the till, with the same values.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "data/Numbers.h"
#include "reports/ExactSum.h"

namespace vantor::test {
namespace {

TEST(ExactSum, ReadsExactlyTheTextsThatAreNumbers) {
    // Between the bars: numbers, then texts that are none.
    std::istringstream texts(
        "7|-20|12.345| 3.50 |+4|-.5|5.|.25|0|-0|007.10|0.1925|999999999999999|"
        "| |-|.|abc|1e5|3,50|1 000|--5|+-5|5-|0x10|inf|nan|12.3.4");
    for (std::string text; std::getline(texts, text, '|');) {
        SCOPED_TRACE(text);
        const std::optional<ExactSum> sum = ExactSum::Parse(text);
        ASSERT_EQ(sum.has_value(), IsNumeric(text));
        if (sum) {
            EXPECT_EQ(sum->ToDouble(), *ParseNumber(text));
            EXPECT_EQ(sum->Text(), NumberToText(*ParseNumber(text)));
        }
    }
}

TEST(ExactSum, SumsDoNotDriftAndDoNotDependOnOrder) {
    ExactSum up;
    ExactSum down;
    for (int i = 0; i < 1000; ++i) {
        up += *ExactSum::Parse("0.1");
        down += *ExactSum::Parse(i % 2 == 0 ? "1000000.7" : "-1000000.5");
    }
    EXPECT_EQ(up.Text(), "100");
    EXPECT_EQ(down.Text(), "100");
    EXPECT_EQ((*ExactSum::Parse("150") - *ExactSum::Parse("-20") - *ExactSum::Parse("100")).Text(),
              "70");
    EXPECT_EQ(ExactSum::Parse("0.0000000000000000019")->Text(), "0.000000000000000001");
}

TEST(ExactSum, SumsBeyondTheLargestAmountsDoNotWrap) {
    ExactSum up;
    ExactSum down;
    for (int i = 0; i < 200000; ++i) {
        up += *ExactSum::Parse("999999999999999.25");
        down -= *ExactSum::Parse("999999999999999.25");
    }
    EXPECT_EQ(up.Text(), "200000000000000000000");
    EXPECT_EQ(down.Text(), "-200000000000000000000");
    EXPECT_TRUE(up.IsPositive());
    EXPECT_EQ(up + down, ExactSum());
}

TEST(ExactSum, AbsurdlyLargeAmountsAreNotRead) {
    EXPECT_TRUE(ExactSum::Parse("999999999999999.99").has_value());
    EXPECT_TRUE(ExactSum::Parse("0000000000000000000001").has_value());
    EXPECT_FALSE(ExactSum::Parse("1000000000000000").has_value());
    EXPECT_FALSE(ExactSum::Parse(" 1000000000000000 ").has_value());
}

ExactSum Exact(const char* text) {
    return *ExactSum::Parse(text);
}

// a × b / (a + b) to the 18th decimal, halves away from zero; the rows with
// many digits go beyond 128 bits on the way.
TEST(ExactSum, ProductOverSumIsExactToTheLastDecimal) {
    const std::array<std::array<const char*, 3>, 13> rows = {{
        {"0.7", "7", "0.636363636363636364"},
        {"1", "10", "0.909090909090909091"},
        {"0.385", "7", "0.364928909952606635"},
        {"0.231", "4.2", "0.218957345971563981"},
        {"-1", "-10", "-0.909090909090909091"},
        {"-0.5", "10", "-0.526315789473684211"},
        {"2", "-10", "2.5"},
        {"100", "10", "9.090909090909090909"},
        {"0", "7", "0"},
        {"0.000000000000000001", "0.000000000000000001", "0.000000000000000001"},
        {"-0.000000000000000001", "-0.000000000000000001", "-0.000000000000000001"},
        {"5.90318772136954", "64.9350649350649", "5.411255411255411389"},
        {"20.123456789012345678", "2.012345678901234568", "1.829405162637485971"},
    }};
    for (const auto& [a, b, expected] : rows) {
        SCOPED_TRACE(std::string(a) + " * " + b);
        const std::optional<ExactSum> result = ExactSum::ProductOverSum(Exact(a), Exact(b));
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(*result, Exact(expected)) << result->Text();
        EXPECT_EQ(ExactSum::ProductOverSum(Exact(b), Exact(a)), result);
    }
    EXPECT_EQ(ExactSum::ProductOverSum(Exact("99999999999999.999999999999999999"),
                                       Exact("12345.678901234567890123")),
              Exact("12345.678899710410014987"));
}

TEST(ExactSum, ProductOverSumRefusesAZeroSumAndResultsOutOfRange) {
    EXPECT_FALSE(ExactSum::ProductOverSum(Exact("7"), Exact("-7")).has_value());
    EXPECT_FALSE(ExactSum::ProductOverSum(ExactSum(), ExactSum()).has_value());
    EXPECT_FALSE(
        ExactSum::ProductOverSum(Exact("100000000000000"), Exact("-99999999999999.9")).has_value());
    EXPECT_TRUE(
        ExactSum::ProductOverSum(Exact("999999999999999"), Exact("999999999999999")).has_value());
    ExactSum huge;
    for (int i = 0; i < 100001; ++i) {
        huge += Exact("999999999999999");
    }
    EXPECT_FALSE(ExactSum::ProductOverSum(huge, Exact("1")).has_value());
    EXPECT_FALSE(ExactSum::ProductOverSum(Exact("1"), huge).has_value());
}

TEST(ExactSum, RoundsToCentsHalvesAwayFromZero) {
    const std::pair<const char*, const char*> rows[] = {
        {"0.909090909090909091", "0.91"},
        {"0.905", "0.91"},
        {"0.904999999999999999", "0.9"},
        {"-0.905", "-0.91"},
        {"-0.904", "-0.9"},
        {"0.995", "1"},
        {"-0.995", "-1"},
        {"12.3", "12.3"},
        {"0", "0"},
        {"-0.004", "0"},
    };
    for (const auto& [value, expected] : rows) {
        SCOPED_TRACE(value);
        EXPECT_EQ(Exact(value).RoundedToCents(), Exact(expected));
    }
}

}  // namespace
}  // namespace vantor::test
