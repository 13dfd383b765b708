#include "sales/Montant.h"

#include <gtest/gtest.h>

#include "data/Numbers.h"

namespace vantor {
namespace {

// Amounts are completed to two decimals, further decimals cut without
// rounding, and padded to 8 (6 when narrow) without ever being cut; a
// trailing point is left as it is. Line amounts are computed as numbers and
// written as text first.
TEST(MontantTest, CompletesCutsAndPads) {
    const struct {
        std::string text;
        bool narrow;
        const char* shown;
    } cases[] = {
        {"3.5", false, "    3.50"},
        {"7", false, "    7.00"},
        {"1250", false, " 1250.00"},
        {"-20", false, "  -20.00"},
        {"0", false, "    0.00"},
        {"12.345", false, "   12.34"},
        {"2.999", false, "    2.99"},
        {"-0.005", false, "   -0.00"},
        {"123456.789", false, "123456.78"},
        {"5.", false, "      5."},
        {"5.", true, "    5."},
        {"3.5", true, "  3.50"},
        {"12.345", true, " 12.34"},
        {"1250", true, "1250.00"},
        {"99999.5", false, "99999.50"},
        {"1234567.891", false, "1234567.89"},
        {NumberToText(3 * 1.1), false, "    3.30"},
        {NumberToText(0.1 + 0.2), false, "    0.30"},
        {NumberToText(2 * 12.345), false, "   24.69"},
        {NumberToText(1e-7), false, "    0.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatMontant(c.text, c.narrow), c.shown) << c.text << " " << c.narrow;
    }
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
