// Building a ticket on the sales screen: taps, merging, multipliers, free
// prices, deleting, clearing, the total, and the report guards. Each
// scenario, its script then its transcript, is in expected/Ticket-NAME.txt.
// Buttons of the default keypad: 1 a hot-drink header (free price), 2 Café
// 3.50, 8 Thé noir 3.50, 66 the kitchen header (category 5).
#include <gtest/gtest.h>

#include "support/ScenarioFile.h"

namespace vantor::test {
namespace {

std::pair<std::string, std::string> Articles(const std::string& lines) {
    return {"Articles.csv", "Description;Prix;Categorie\r\n" + lines};
}

TEST(Ticket, SalesScreen) {
    ExpectScenarios({
        {"Ticket-Merge"},
        {"Ticket-Multiplier"},
        {"Ticket-MultiplierArmed"},
        {"Ticket-FreePrice"},
        {"Ticket-BadFreePrice"},
        {"Ticket-DeleteMiddleLine"},
        {"Ticket-Clear"},
        {"Ticket-LargeAmounts", {Articles("Banquet;1250;5\r\nEau;1;1\r\n")}},
        {"Ticket-PriceLimit",
         {Articles("Libre;;5\r\nOr;1000000000000000000000;5\r\nCaviar;999999999.99;5\r\n")}},
        {"Ticket-MalformedPrice", {Articles("Soupe;abc;5\r\n")}},
        {"Ticket-ReportGuards"},
        {"Ticket-WaiterFilter", {{"Serveurs.txt", "Anne\r\nPaul\r\n"}}},
        {"Ticket-Currency", {{"Infos.txt", std::string(16, '\n') + "CHF\r\n"}}},
        {"Ticket-Keyboard", {{"Infos.txt", std::string(14, '\n') + "1\n"}}},
    });
}

// A tap raises the last line only when it sells the same article again: same
// name, same unit price, same category. 1 "Thé (menth" 4.00, 2 Thé 3.00,
// 3 Café 3.50, 4 a hot-drink header, 5 a kitchen header.
TEST(Ticket, ATapMergesOnlyTheSameArticleSoldAgain) {
    const auto articles = Articles(
        "Th\xE9 (menthe);4;0\r\nTh\xE9;3;0\r\nCaf\xE9;3.5;0\r\nBoissons;;0\r\nCuisine;;5\r\n");
    ExpectScenarios({{"Ticket-MergeSame", {articles}},
                     {"Ticket-MergeBracket", {articles}},
                     {"Ticket-MergeOtherFreePrice", {articles}},
                     {"Ticket-MergeSameFreePrice", {articles}},
                     {"Ticket-MergeOtherCategory", {articles}}});
}

}  // namespace
}  // namespace vantor::test
