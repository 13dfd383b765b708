#include <gtest/gtest.h>

#include <string>

#include "reports/ReportLines.h"

namespace vantor {
namespace {

struct CountedLineCase {
    const char* label;
    long count;
    const char* amount;
    const char* line;
};

// The amounts of a report's counted lines end in the column of its other
// amounts, "€" then one space before them, as far as the amount has room.
constexpr CountedLineCase kCountedLines[] = {
    {"Annulations", 0, "0", "Annulations : 0,   €     0.00"},
    {"Offerts", 3, "-12.5", "Offerts : 3,       €   -12.50"},
    {"Remboursements", 0, "0", "Remboursements : 0, €    0.00"},
    {"Remboursements", 1, "-4.5", "Remboursements : 1, €   -4.50"},
    {"Remboursements", 12, "-4.5", "Remboursements : 12, €  -4.50"},
    // No space left to give: the line grows rather than cut a digit.
    {"Remboursements", 12, "-1234.5", "Remboursements : 12, € -1234.50"},
    {"Remboursements", 1, "-12345.5", "Remboursements : 1, € -12345.50"},
};

TEST(CountedLines, EndTheirAmountsInOneColumnWhileTheAmountHasRoom) {
    for (const CountedLineCase& c : kCountedLines) {
        const std::optional<ExactSum> amount = ExactSum::Parse(c.amount);
        ASSERT_TRUE(amount) << c.amount;
        EXPECT_EQ(LigneNombreMontant(c.label, c.count, "€", *amount), c.line)
            << c.label << " " << c.count << " " << c.amount;
    }
    EXPECT_EQ(LigneMontant("Remises :", "€", *ExactSum::Parse("0")).size(),
              LigneNombreMontant("Remboursements", 0, "€", *ExactSum::Parse("0")).size());
}

}  // namespace
}  // namespace vantor
