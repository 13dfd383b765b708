// Tables, kitchen and dessert orders, and cash movements through the real
// program. Each scenario, its script then its transcript and the journal
// when one is written, is in expected/Tables-NAME.txt. Default keypad:
// 2 Café 3.50 (cat. 0), 67 Salade verte 5 (cat. 5), 73 Steak de bœuf 25
// (cat. 5), 86 Tiramisu 8 (cat. 6), 79 Dessert header (free price).
#include <gtest/gtest.h>

#include "support/ScenarioFile.h"

namespace vantor::test {
namespace {

TEST(Tables, ParkAndTakeBack) {
    ExpectScenarios({
        {"Tables-Park"},
        {"Tables-KeepName"},
        {"Tables-Refused"},
        {"Tables-Restored"},
        {"Tables-LargeTotal",
         {{"Articles.csv", "Description;Prix;Categorie\r\nBanquet;1250;5\r\n"}}},
        {"Tables-Rename"},
        {"Tables-Quit"},
    });
}

// Each kind of order prints its categories in ticket order (a steak, a tart,
// a coffee), on the kitchen printer when there is one (the receipt stays on
// its own printer).
TEST(Tables, KitchenOrders) {
    ExpectScenarios({
        {"Tables-Kitchen"},
        {"Tables-KitchenNothing"},
        {"Tables-KitchenPrinter", {{"Infos.txt", std::string(12, '\n') + "Caisse\r\nCuisine\r\n"}}},
        {"Tables-NoKitchenPrinter", {{"Infos.txt", std::string(12, '\n') + "Caisse\r\n\r\n"}}},
    });
}

// The sign follows the kind of movement; a past date and a ";" in the text;
// refused input records nothing.
TEST(Tables, CashMovements) {
    const std::pair<std::string, std::string> accounts = {
        "Comptes.csv", Slurp(std::string(VANTOR_EXPECTED_DIR) + "/Comptes.csv")};
    ExpectScenarios({{"Tables-MovementSigns", {accounts}},
                     {"Tables-MovementPast", {accounts}},
                     {"Tables-MovementRefused", {accounts}}});
}

}  // namespace
}  // namespace vantor::test
