// The one reader of ticket lines agrees with the line format for every size,
// and gives what the fixed positions give for small quantities and amounts.
#include <gtest/gtest.h>

#include "data/Text.h"
#include "sales/LigneTicket.h"
#include "sales/Montant.h"

namespace vantor {
namespace {

TEST(LigneTicket, ReadsBackWhatItWrites) {
    struct Case {
        int quantity;
        std::string label, amount;
    };
    const Case cases[] = {
        {1, "Café", "3.50"},         {2, "Café (3.50)", "7.00"},
        {12, "Eau (1.00)", "12.00"}, {120, "Eau (1.00)", "120.00"},
        {1, "Banquet", "1250.00"},   {3, "Mariage (4000)", "12000.00"},
        {1, "Remise", "-5.00"},
    };
    for (const Case& c : cases) {
        const std::string line =
            MakeTicketLine(c.quantity, c.label, "€", FormatMontant(c.amount, false));
        EXPECT_EQ(LineQuantity(line), c.quantity) << line;
        EXPECT_EQ(LineLabel(line), FitRight(c.label, 18)) << line;
        EXPECT_EQ(LineAmountText(line), c.amount) << line;
        EXPECT_EQ(LineAmount(line), std::stod(c.amount)) << line;
    }
}

TEST(LigneTicket, MergeLabelIsTheNameBeforeTheUnitPrice) {
    EXPECT_EQ(LineMergeLabel("1 Café               €     3.50"), "Café");
    EXPECT_EQ(LineMergeLabel("2 Café (3.50)        €     7.00"), "Café");
    EXPECT_EQ(LineMergeLabel("99 Eau gaz. 2 (2.50)  €   247.50"), "Eau gaz. 2");
    EXPECT_EQ(LineMergeLabel("120 Eau (1.00)         €   120.00"), "Eau");
    EXPECT_EQ(LineMergeLabel("1 Menu du jour spécial €    12.50"), "Menu du jour s");
}

TEST(LigneTicket, MalformedLinesReadAsNothing) {
    EXPECT_EQ(LineQuantity("x Café €  3.50"), std::nullopt);
    EXPECT_EQ(LineAmount("1 Café € abc"), std::nullopt);
    EXPECT_EQ(LineLabel("rapport"), "");
}

}  // namespace
}  // namespace vantor
