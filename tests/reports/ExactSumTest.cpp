// Journal amounts are read as exact decimals: the same texts count as numbers
// as everywhere else in the till, with the same values.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vantor::test
