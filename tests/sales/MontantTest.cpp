#include "sales/Montant.h"

#include <gtest/gtest.h>

#include "data/Numbers.h"

namespace vantor {
namespace {

TEST(MontantTest, CompletesToTwoDecimals) {
    EXPECT_EQ(FormatMontant("3.5", false), "    3.50");
    EXPECT_EQ(FormatMontant("7", false), "    7.00");
    EXPECT_EQ(FormatMontant("1250", false), " 1250.00");
    EXPECT_EQ(FormatMontant("-20", false), "  -20.00");
    EXPECT_EQ(FormatMontant("3.80", false), "    3.80");
    EXPECT_EQ(FormatMontant("0", false), "    0.00");
}

TEST(MontantTest, CutsFurtherDecimalsWithoutRounding) {
    EXPECT_EQ(FormatMontant("12.345", false), "   12.34");
    EXPECT_EQ(FormatMontant("3.500", false), "    3.50");
    EXPECT_EQ(FormatMontant("2.999", false), "    2.99");
    EXPECT_EQ(FormatMontant("-0.005", false), "   -0.00");
    EXPECT_EQ(FormatMontant("123456.789", false), "123456.78");
}

TEST(MontantTest, ATrailingPointIsLeftAsItIs) {
    EXPECT_EQ(FormatMontant("5.", false), "      5.");
    EXPECT_EQ(FormatMontant("5.", true), "    5.");
}

TEST(MontantTest, PadsToSixOrEightAndNeverCuts) {
    EXPECT_EQ(FormatMontant("3.5", true), "  3.50");
    EXPECT_EQ(FormatMontant("12.345", true), " 12.34");
    EXPECT_EQ(FormatMontant("1250", true), "1250.00");
    EXPECT_EQ(FormatMontant("99999.5", false), "99999.50");
    EXPECT_EQ(FormatMontant("1234567.891", false), "1234567.89");
}

// Line amounts are computed as numbers, written as text, then formatted.
TEST(MontantTest, FormatsComputedAmounts) {
    EXPECT_EQ(FormatMontant(NumberToText(3 * 3.5), false), "   10.50");
    EXPECT_EQ(FormatMontant(NumberToText(3 * 1.1), false), "    3.30");
    EXPECT_EQ(FormatMontant(NumberToText(0.1 + 0.2), false), "    0.30");
    EXPECT_EQ(FormatMontant(NumberToText(2 * 12.345), false), "   24.69");
    EXPECT_EQ(FormatMontant(NumberToText(1e-7), false), "    0.00");
}

// The VAT line of the receipt: rounded to cents, halves away from zero, for
// any amount the journal can hold.
TEST(MontantTest, RoundsToCentsWhateverTheSize) {
    const struct {
        double value;
        const char* cents;
    } cases[] = {
        {0.385, "0.39"},
        {-1.005, "-1.01"},
        {0.994, "0.99"},
        {9.995, "10.00"},
        {-0.004, "0.00"},
        {12, "12.00"},
        {1e20, "100000000000000000000.00"},
        {1e21, "1000000000000000000000.00"},
        {-99999999.995, "-100000000.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatCents(c.value), c.cents) << c.value;
    }
}

}  // namespace
}  // namespace vantor
