// The receipt's lines at the paper's width: every amount ends at the right
// edge, every label is printed whole, wrapped where it does not fit.
#include <gtest/gtest.h>

#include "checkout/ReceiptLines.h"
#include "data/Text.h"

namespace vantor {
namespace {

constexpr int k80 = 46;
constexpr int k58 = 30;

TEST(ReceiptLines, WidthFollowsThePaper) {
    EXPECT_EQ(ReceiptWidth(ReceiptPaper{80, 2}), 46);
    EXPECT_EQ(ReceiptWidth(ReceiptPaper{58, 2}), 30);
    EXPECT_EQ(ReceiptRule(ReceiptWidth(ReceiptPaper{58, 5})), std::string(30, '-'));
}

TEST(ReceiptLines, AmountsEndAtTheRightEdge) {
    struct Case {
        const char* left;
        const char* currency;
        const char* amount;
        int width;
        const char* line;
    };
    const Case cases[] = {
        {"Total", "€", "15.00", k80, "Total                               €    15.00"},
        {"Total", "€", "15.00", k58, "Total               €    15.00"},
        {"Rendu", "CHF", "5.00", k80, "Rendu                             CHF     5.00"},
        {"dont TVA 5.5 %", "€", "0.52", k58, "dont TVA 5.5 %      €     0.52"},
        {"Espèces", "€", "12345.50", k80, "Espèces                             € 12345.50"},
        // Longer than the room: one space is kept, nothing is cut.
        {"Un texte bien trop long pour la ligne", "€", "1.00", k58,
         "Un texte bien trop long pour la ligne €     1.00"},
    };
    for (const Case& c : cases) {
        const std::string line = ReceiptAmountLine(c.left, c.currency, c.amount, c.width);
        EXPECT_EQ(line, c.line);
        if (Len(c.left) + 12 <= static_cast<std::size_t>(c.width)) {
            EXPECT_EQ(Len(line), static_cast<std::size_t>(c.width)) << line;
        }
    }
}

TEST(ReceiptLines, ArticlesWholeAndWrapped) {
    struct Case {
        int quantity;
        const char* label;
        const char* amount;
        int width;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {2, "Café (3.50)", "7.00", k80, {"2 Café (3.50)                       €     7.00"}},
        {1,
         "Chocolat chaud viennois",
         "4.80",
         k80,
         {"1 Chocolat chaud viennois           €     4.80"}},
        // 33 characters fit beside the amount on 80 mm, not 34.
        {1,
         "Thé vert à la menthe fraîche bios",
         "4.20",
         k80,
         {"1 Thé vert à la menthe fraîche bios €     4.20"}},
        {1,
         "Thé vert à la menthe fraîche du jour",
         "4.20",
         k80,
         {"1 Thé vert à la menthe fraîche du   €     4.20", "  jour"}},
        {12,
         "Chocolat chaud viennois (4.80)",
         "57.60",
         k58,
         {"12 Chocolat chaud   €    57.60", "   viennois (4.80)"}},
        {1, "Croque-monsieur", "8.00", k58, {"1 Croque-monsieur   €     8.00"}},
        // A word longer than the room is split, every character kept.
        {1, "Supercalifragilistique", "1.00", k58, {"1 Supercalifragilis €     1.00", "  tique"}},
        {1, "", "0.00", k80, {"1                                   €     0.00"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReceiptArticleLines(c.quantity, c.label, "€", c.amount, c.width), c.lines)
            << c.label;
    }
}

}  // namespace
}  // namespace vantor
