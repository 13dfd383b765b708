// Building a ticket on the sales screen: taps, merging, multipliers, free
// prices, deleting, clearing, the total, and the report guards. Each
// transcript is in expected/Ticket-NAME.txt.
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

// Buttons of the default keypad: 1 a hot-drink header (free price), 2 Café
// 3.50, 8 Thé noir 3.50, 66 the kitchen header (category 5).
std::string Tap(const std::string& button) {
    return "click Command1 " + button + "\n";
}
const std::string kFreePrice = Tap("66");
const std::string kArticles = "Articles.csv";
const std::string kHeader = "Description;Prix;Categorie\r\n";

TEST(Ticket, SalesScreen) {
    std::string tapTenTimes;
    for (int i = 0; i < 12; ++i) {
        tapTenTimes += "click cmdMultiplie 10\n" + Tap("2");
    }
    ExpectTranscripts({
        // Two taps give one line with the unit price; only the last line merges.
        {"Ticket-Merge",
         Tap("2") + "show lstTicket\nshow lblTotal\nshow lblTotal.Tag\n" + Tap("2") +
             "show lstTicket\nshow LignesTicket 1\nshow lblTotal\nshow TotalTicket\n" + Tap("8") +
             Tap("2") + "show lstTicket.ListCount\nshow LignesTicket\nshow lblTotal.Tag\n"},
        {"Ticket-Multiplier",
         "click cmdMultiplie 3\nshow cmdClearQ.Enabled\nshow Quantite\n" + Tap("2") +
             "show lstTicket.List 0\nshow cmdClearQ.Enabled\n" + Tap("2") +
             "show lstTicket.List 0\nshow lblTotal.Tag\nclick cmdMultiplie 5\n"
             "click cmdMultiplie 2\nshow Quantite\nclick cmdClearQ\nshow Quantite\n"
             "show cmdClearQ.Enabled\nshow cmdMultiplie 10\n"},
        // Price then text, cut to cents; with a multiplier the unit price shows;
        // free-price lines never merge.
        {"Ticket-FreePrice",
         kFreePrice + "answer \"12.5\"\nanswer \"Menu du jour\"\n" + kFreePrice +
             "answer \"12.345\"\nanswer ok\n" + kFreePrice + "answer \"12.34\"\nanswer ok\n" +
             "click cmdMultiplie 2\n" + Tap("1") +
             "answer \"4\"\nanswer \"Grog\"\nshow lstTicket\nshow LignesTicket 2\n"},
        {"Ticket-BadFreePrice",
         "click cmdMultiplie 4\n" + kFreePrice + "answer \"abc\"\nanswer ok\n" +
             "show lstTicket.ListCount\nshow Quantite\n" + kFreePrice + "answer cancel\n" +
             kFreePrice + "answer \"\"\nshow lstTicket.ListCount\nshow lblTotal\n"},
        {"Ticket-DeleteMiddleLine",
         Tap("2") + Tap("8") + kFreePrice + "answer \"8\"\nanswer \"Terrine\"\n" +
             "click cmdDeleteLine\nshow lstTicket.ListCount\nchoose lstTicket 1\n"
             "click cmdDeleteLine\nshow lstTicket\nshow LignesTicket 1\nshow LignesTicket 2\n"
             "show LignesTicket\nshow lblTotal.Tag\n"},
        // Clear keeps the pending quantity; a right press adds nothing.
        {"Ticket-Clear",
         Tap("2") +
             "click cmdMultiplie 6\nclick cmdClear\nshow lstTicket.ListCount\n"
             "show lblTotal\nshow lblTotal.Tag\nshow LignesTicket\nshow Quantite\n"
             "show cmdPrint 0\nrclick Command1 2\nanswer cancel\nshow lstTicket.ListCount\n"},
        {"Ticket-LargeAmounts",
         Tap("1") + tapTenTimes + "show lstTicket\nshow lblTotal.Tag\nshow TotalTicket\n",
         {{kArticles, kHeader + "Banquet;1250;5\r\nEau;1;1\r\n"}}},
        // Beyond what the till can add up to the cent, typed or read from the file.
        {"Ticket-PriceLimit",
         Tap("1") + "answer \"100000000000000000000\"\nanswer ok\n" + Tap("1") +
             "answer \"-1000000000\"\nanswer ok\n" + Tap("2") + "answer ok\n" + Tap("3") +
             "show lstTicket\n",
         {{kArticles, kHeader + "Libre;;5\r\nOr;1000000000000000000000;5\r\n"
                                "Caviar;999999999.99;5\r\n"}}},
        {"Ticket-MalformedPrice",
         Tap("1") + "answer \"6\"\nanswer ok\n" + Tap("1") + "answer cancel\nshow lstTicket\n",
         {{kArticles, kHeader + "Soupe;abc;5\r\n"}}},
        // An open ticket, even with every line deleted, keeps the reports away
        // until cleared; a tap over a report asks to clear it.
        {"Ticket-ReportGuards",
         Tap("2") + Tap("8") +
             "click optPrint 1\nanswer ok\nshow optPrint 0\nshow fraTicket.Visible\n"
             "click optPrint 2\nanswer ok\nshow optPrint 0\nchoose lstTicket 0\n"
             "click cmdDeleteLine\nchoose lstTicket 0\nclick cmdDeleteLine\nshow lblTotal\n"
             "click optPrint 1\nanswer ok\nclick cmdClear\nclick optPrint 1\nshow optPrint 1\n" +
             Tap("2") + "answer no\nshow optPrint 1\nshow lstTicket.ListCount\n" + Tap("2") +
             "answer yes\nshow optPrint 0\nshow lstTicket\n"},
        {"Ticket-WaiterFilter",
         "click optPrint 1\nclick chkDetail\nshow chkDetail\nchoose cmbServeur 2\n"
         "show chkDetail\nshow chkDetail.Enabled\nchoose cmbServeur 0\nshow chkDetail.Enabled\n",
         {{"Serveurs.txt", "Anne\r\nPaul\r\n"}}},
        {"Ticket-Currency",
         Tap("2") + "show lstTicket\nshow lblTotal\n",
         {{"Infos.txt", std::string(16, '\n') + "CHF\r\n"}}},
    });
}

// A tap raises the last line only when it sells the same article again: same
// name, same unit price, same category. 1 "Thé (menth" 4.00, 2 Thé 3.00,
// 3 Café 3.50, 4 a hot-drink header, 5 a kitchen header.
TEST(Ticket, ATapMergesOnlyTheSameArticleSoldAgain) {
    const std::pair<std::string, std::string> articles = {
        kArticles, kHeader +
                       "Th\xE9 (menthe);4;0\r\nTh\xE9;3;0\r\nCaf\xE9;3.5;0\r\n"
                       "Boissons;;0\r\nCuisine;;5\r\n"};
    const std::string show = "show lstTicket\nshow LignesTicket\nshow LignesTicket 1\n";
    const std::string showTwo = show + "show LignesTicket 2\n";
    ExpectTranscripts({
        {"Ticket-MergeSame", Tap("3") + Tap("3") + show, {articles}},
        {"Ticket-MergeBracket", Tap("1") + Tap("1") + Tap("2") + Tap("2") + showTwo, {articles}},
        {"Ticket-MergeOtherFreePrice",
         Tap("4") + "answer \"5\"\nanswer \"Café\"\n" + Tap("3") + showTwo,
         {articles}},
        {"Ticket-MergeSameFreePrice",
         Tap("4") + "answer \"3.5\"\nanswer \"Café\"\n" + Tap("3") + show,
         {articles}},
        {"Ticket-MergeOtherCategory",
         Tap("5") + "answer \"3.5\"\nanswer \"Café\"\n" + Tap("3") + showTwo,
         {articles}},
    });
}

}  // namespace
}  // namespace vantor::test
