// Tables, kitchen and dessert orders, and cash movements through the real
// program. Each transcript, with the journal after it when one is written,
// is in expected/Tables-NAME.txt.
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

// Default keypad: 2 Café 3.50 (cat. 0), 67 Salade verte 5 (cat. 5),
// 73 Steak de bœuf 25 (cat. 5), 86 Tiramisu 8 (cat. 6), 79 Dessert header (free price).
const std::vector<std::string> kJournal = {"tickets.csv"};

TEST(Tables, ParkAndTakeBack) {
    ExpectTranscripts({
        // A renamed table is parked, then taken back ("Non": the name goes).
        {"Tables-Park",
         "click Command1 2\nclick Command1 2\nclick Command1 67\nclick cmdOuvre\n"
         "click cmdTable 3\nanswer \"Terrasse\"\nshow cmdTable 3\nshow cmdTable.BackColor 3\n"
         "show cmdTable.ToolTipText 3\nshow lstTicket.ListCount\nshow lblTotal\n"
         "show lblTotal.Tag\nclick cmdTable 3\nanswer no\nshow lstTicket\nshow lblTotal\n"
         "show lblTotal.Tag\nshow TotalTicket\nshow LignesTicket 1\nshow LignesTicket 2\n"
         "show cmdTable 3\nshow cmdTable.BackColor 3\nshow cmdTable.ToolTipText 3\n"
         "show lstTable.ListCount 3\n"},
        // "Oui" keeps the name; an empty answer keeps the caption.
        {"Tables-KeepName",
         "click cmdOuvre\nclick Command1 2\nclick cmdTable 1\nanswer cancel\nshow cmdTable 1\n"
         "click cmdTable 1\nanswer yes\nshow cmdTable 1\nclick cmdClear\nclick Command1 2\n"
         "click cmdTable 1\nanswer \"Bar\"\nclick cmdTable 1\nanswer yes\nshow cmdTable 1\n"},
        // Nothing to park, and a ticket in progress over an occupied table.
        {"Tables-Refused",
         "click cmdOuvre\nclick cmdTable 2\nanswer ok\nshow cmdTable.Tag 2\nclick Command1 2\n"
         "click cmdTable 2\nanswer ok\nclick Command1 8\nclick cmdTable 2\nanswer ok\n"
         "show lstTicket\nshow cmdTable.Tag 2\nshow lstTable.List 2\n"},
        // Restored lines get their categories back and check out right.
        {"Tables-Restored",
         "clock 05.12.2026 20:00:00\nclick cmdOuvre\nclick Command1 67\nclick Command1 79\n"
         "answer \"6\"\nanswer \"Glace maison\"\nclick Command1 2\nclick Command1 2\n"
         "click cmdTable 5\nanswer ok\nclick cmdTable 5\nanswer yes\nshow LignesTicket 1\n"
         "show LignesTicket 2\nshow LignesTicket 3\nclick cmdPrint 0\nanswer no\n",
         {},
         kJournal},
        {"Tables-LargeTotal",
         "click cmdOuvre\nclick Command1 1\nclick Command1 1\nclick cmdTable 4\nanswer ok\n"
         "click cmdTable 4\nanswer yes\nshow lblTotal\nshow lblTotal.Tag\nshow TotalTicket\n",
         {{"Articles.csv", "Description;Prix;Categorie\r\nBanquet;1250;5\r\n"}}},
        // A right press renames without parking.
        {"Tables-Rename",
         "click cmdOuvre\nrclick cmdTable 7\nanswer \"Fenêtre\"\nshow cmdTable 7\n"
         "show cmdTable.Tag 7\nrclick cmdTable 7\nanswer cancel\nshow cmdTable 7\n"},
        // Quitting with an occupied table asks.
        {"Tables-Quit",
         "click cmdOuvre\nclick Command1 2\nclick cmdTable 1\nanswer ok\nclose\nanswer no\n"
         "show frmMain.Visible\nclick mnuQuit\nanswer yes\n"},
    });
}

// Each kind of order prints its categories in ticket order, on the kitchen
// printer when there is one (the receipt stays on its own printer).
TEST(Tables, KitchenOrders) {
    // A steak (5), a tart (6) and a coffee (0), in this order.
    const std::string ticket = "click Command1 73\nclick Command1 86\nclick Command1 2\n";
    const std::string printers = "printers \"Bureau\" \"Caisse\" \"Cuisine\"\n";
    ExpectTranscripts({
        {"Tables-Kitchen",
         ticket + "click cmdCuisine\nclick mnuBonCuisine\nanswer \"Sans oignon\"\nshow txtBon\n"
                  "show lstCuisine\ntype txtBon \"Vite\"\nclick cmdCuisine\nclick mnuDessert\n"
                  "click cmdCuisine\nclick mnuCuisineDessert\nanswer cancel\n"},
        {"Tables-KitchenNothing",
         "click Command1 2\ntype txtBon \"Table 4\"\nclick cmdCuisine\nclick mnuBonCuisine\n"
         "answer ok\nclick cmdCuisine\nclick mnuDessert\nanswer ok\nclick cmdCuisine\n"
         "click mnuCuisineDessert\nanswer ok\nclick cmdCuisine\nanswer cancel\nshow txtBon\n"},
        {"Tables-KitchenPrinter",
         printers + "clock 05.12.2026 12:00:00\n" + ticket +
             "type txtBon \"x\"\nclick cmdCuisine\nclick mnuBonCuisine\nshow Printer\n"
             "click cmdPrint 0\nanswer yes\n",
         {{"Infos.txt", std::string(12, '\n') + "Caisse\r\nCuisine\r\n"}}},
        {"Tables-NoKitchenPrinter",
         printers + ticket + "type txtBon \"x\"\nclick cmdCuisine\nclick mnuBonCuisine\n",
         {{"Infos.txt", std::string(12, '\n') + "Caisse\r\n\r\n"}}},
    });
}

std::string Movement(const std::string& kind, const std::string& amount) {
    return "click optPrint 2\nchoose cmbVantor " + kind + "\ntype txtVantor \"" + amount +
           "\"\nchoose cmbCatCompt 2\ntype txtTexteVantor \"Banque\"\nclick cmdVantor\n";
}

// The sign follows the kind of movement; a past date and a ";" in the text;
// refused input records nothing.
TEST(Tables, CashMovements) {
    const std::vector<std::pair<std::string, std::string>> accounts = {
        {"Comptes.csv", Slurp(std::string(VANTOR_EXPECTED_DIR) + "/Comptes.csv")}};
    ExpectTranscripts({
        {"Tables-MovementSigns",
         "clock 05.12.2026 15:30:00\n" + Movement("0", "20") + Movement("1", "-50") +
             Movement("0", "-50") + Movement("1", "0") + Movement("1", "12.345") +
             "show optPrint 0\n",
         accounts, kJournal},
        {"Tables-MovementPast",
         "clock 05.12.2026 15:30:00\nclick optPrint 2\ndate DTPicker3 28.11.2026\n"
         "type txtVantor \"5\"\nchoose cmbCatCompt 0\ntype txtTexteVantor \"Fleurs; vase\"\n"
         "click cmdVantor\n",
         accounts, kJournal},
        {"Tables-MovementRefused",
         "click optPrint 2\ntype txtVantor \"\"\nclick cmdVantor\nanswer ok\n"
         "type txtVantor \"abc\"\nclick cmdVantor\nanswer ok\ntype txtVantor \"5\"\n"
         "click cmdVantor\nanswer ok\nshow frmMain.ActiveControl\nshow optPrint 2\n"
         "show txtVantor.Alignment\nclick cmdUndoVantor\nshow optPrint 0\n",
         accounts, kJournal},
    });
}

}  // namespace
}  // namespace vantor::test
