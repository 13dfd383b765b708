#include "sales/Remise.h"

#include <gtest/gtest.h>

#include <numeric>

namespace vantor {
namespace {

// What is typed: a share ends with "%", an amount has at most two decimals;
// nothing for 0, for a negative or unreadable text, nor beyond 100 %.
TEST(RemiseTest, ReadsAShareOrAnAmount) {
    const struct {
        const char* typed;
        bool read;
        bool share;
        std::int64_t hundredths;
        const char* label;
    } cases[] = {
        {"10 %", true, true, 1000, "Remise 10 %"},
        {"10%", true, true, 1000, "Remise 10 %"},
        {" 12.5 % ", true, true, 1250, "Remise 12.5 %"},
        {"100 %", true, true, 10000, "Remise 100 %"},
        {"2.50", true, false, 250, "Remise 2.50"},
        {"2,5", true, false, 250, "Remise 2.50"},
        {"3", true, false, 300, "Remise 3.00"},
        {"0.01", true, false, 1, "Remise 0.01"},
        {"100.5 %", false, false, 0, ""},
        {"0", false, false, 0, ""},
        {"0 %", false, false, 0, ""},
        {"-2", false, false, 0, ""},
        {"1.234", false, false, 0, ""},
        {"abc", false, false, 0, ""},
        {"%", false, false, 0, ""},
        {"", false, false, 0, ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.typed);
        const std::optional<RemiseDemandee> read = LireRemise(row.typed);
        ASSERT_EQ(read.has_value(), row.read);
        if (read) {
            EXPECT_EQ(read->pourcent, row.share);
            EXPECT_EQ(read->centiemes, row.hundredths);
            EXPECT_EQ(LibelleRemise(*read), row.label);
        }
    }
}

// A recorded line is a discount when its label is one a discount's line is
// given: the reports count those and no article of a like name.
TEST(RemiseTest, TellsADiscountLabelFromAnArticleLabel) {
    const struct {
        const char* label;
        bool discount;
    } cases[] = {
        {"Remise 10 %", true},      {"Remise 12.5 %", true}, {"Remise 2.50", true},
        {"Remise 0.05", true},      {"Remise 100 %", true},  {"Remise 10%", false},
        {"Remise 10.0 %", false},   {"Remise 2.5", false},   {"Remise 2,50", false},
        {"Remise", false},          {"Remise ", false},      {"Remise  10 %", false},
        {"Remise 0.00", false},     {"Remise 101 %", false}, {"remise 10 %", false},
        {"Remise spéciale", false}, {"Offert", false},       {"Remise 10 % ", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(EstLibelleRemise(row.label), row.discount);
    }
}

// A share is rounded to the cent, halves away from zero; nothing takes more
// than the amount it is given on.
TEST(RemiseTest, TakesRoundedCentsNeverMoreThanTheBase) {
    const struct {
        const char* typed;
        std::int64_t base;
        std::int64_t taken;
    } cases[] = {
        {"10 %", 700, 70}, {"10 %", 355, 36},   {"10 %", 354, 35},   {"15 %", 1, 0},
        {"50 %", 1, 1},    {"33 %", 1000, 330}, {"100 %", 999, 999}, {"2.50", 700, 250},
        {"20", 700, 700},  {"2.50", 0, 0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.typed) + " of " + std::to_string(row.base));
        EXPECT_EQ(CentimesRemise(*LireRemise(row.typed), row.base), row.taken);
    }
}

// The shares of a discount over the categories add up to it exactly; each
// is its proportion cut to the cent, the cents left going to the largest
// remainders, the first of equals first.
TEST(RemiseTest, SharesAddUpToTheDiscountExactly) {
    const struct {
        std::int64_t discount;
        CentimesParCategorie amounts;
        CentimesParCategorie shares;
    } cases[] = {
        {100, {700, 0, 0, 0, 0, 800, 0, 0, 0}, {47, 0, 0, 0, 0, 53, 0, 0, 0}},
        {100, {333, 333, 334, 0, 0, 0, 0, 0, 0}, {33, 33, 34, 0, 0, 0, 0, 0, 0}},
        {1, {100, 100, 100, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 0}},
        {2, {100, 100, 100, 0, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0, 0, 0, 0}},
        {150, {700, 0, 0, 0, 0, 800, 0, 0, 0}, {70, 0, 0, 0, 0, 80, 0, 0, 0}},
        {1500, {700, 0, 0, 0, 0, 800, 0, 0, 0}, {700, 0, 0, 0, 0, 800, 0, 0, 0}},
        {7, {1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {5, {0, 0, 0, 0, 0, 0, 0, 0, 1000}, {0, 0, 0, 0, 0, 0, 0, 0, 5}},
        {10, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.discount);
        const CentimesParCategorie shares = RepartirRemise(row.discount, row.amounts);
        EXPECT_EQ(shares, row.shares);
        const std::int64_t base =
            std::accumulate(row.amounts.begin(), row.amounts.end(), std::int64_t{0});
        EXPECT_EQ(std::accumulate(shares.begin(), shares.end(), std::int64_t{0}),
                  base > 0 ? row.discount : 0);
    }
}

}  // namespace
}  // namespace vantor
