// The journal records of a sale are those of the lines on screen, whatever
// emptied or rebuilt the ticket before: parking and taking back tables,
// report modes, deleting and merging lines, clearing, kitchen orders, the
// training mode. Each row runs the real program on the default keypad:
// 2 Café 3.50 (cat. 0), 8 Thé noir 3.50 (0), 15 Coca 2dl 2.80 (1), 47 Gin
// 7 (3), 48 Whisky 8 (3), 67 Salade verte 5 (5), 73 Steak de bœuf 25 (5),
// 79 the dessert header (free price, 6), 66 the kitchen one (free price, 5).
#include <gtest/gtest.h>

#include "support/HeadlessTill.h"

namespace vantor::test {
namespace {

struct RecordsCase {
    const char* what;
    std::string script;
    std::string journal;               // tickets.csv after the run
    std::vector<std::string> shows{};  // the run's `show` lines
};

const std::string kStart = "clock 05.12.2026 20:00:00\nclick cmdOuvre\n";
const std::string kParkGin = "click Command1 47\nclick cmdTable 1\nanswer \"T1\"\n";
const std::string kCash = "click cmdPrint 0\nanswer no\n";
const std::string kTakeBack1 = "click cmdTable 1\nanswer yes\n";

std::string Record(const std::string& amount, int category) {
    return "05.12.2026;20:00:00;Nom;" + amount + ";" + std::to_string(category) + ";Esp;;0\r\n";
}

const std::vector<RecordsCase> kCases = {
    {"a coffee after a parked gin", kParkGin + "click Command1 2\n" + kCash, Record("3.5", 0)},
    {"two lines after a parked ticket of two",
     "click Command1 47\nclick Command1 48\nclick cmdTable 1\nanswer ok\n"
     "click Command1 2\nclick Command1 8\n" +
         kCash,
     Record("7", 0)},
    {"a coffee tapped twice after a parked gin",
     kParkGin + "click Command1 2\nclick Command1 2\n" + kCash, Record("7", 0)},
    {"the first line deleted after a parked gin",
     kParkGin + "click Command1 2\nclick Command1 15\nchoose lstTicket 0\nclick cmdDeleteLine\n" +
         kCash,
     Record("2.8", 1)},
    {"the parked gin taken back, a coffee added",
     kParkGin + kTakeBack1 + "click Command1 2\n" + kCash, Record("3.5", 0) + Record("7", 3)},
    {"a free-price dessert keeps its category on a table",
     "click Command1 67\nclick Command1 79\nanswer \"6\"\nanswer \"Glace maison\"\n"
     "click cmdTable 1\nanswer ok\n" +
         kTakeBack1 + kCash,
     Record("5", 5) + Record("6", 6)},
    {"two tables taken back in turn",
     kParkGin + "click Command1 2\nclick cmdTable 2\nanswer ok\n" + kTakeBack1 + kCash +
         "click cmdTable 2\nanswer yes\n" + kCash,
     Record("7", 3) + Record("3.5", 0)},
    {"the report modes after a parked gin",
     kParkGin + "click optPrint 1\nclick optPrint 2\nclick optPrint 0\nclick Command1 2\n" + kCash,
     Record("3.5", 0)},
    {"a report generated after a parked gin",
     "click Command1 2\n" + kCash + kParkGin +
         "click optPrint 1\nclick cmdX\nclick optPrint 0\nclick Command1 15\n" + kCash,
     Record("3.5", 0) + Record("2.8", 1)},
    {"a cleared ticket after a parked gin",
     kParkGin + "click Command1 8\nclick cmdClear\nclick Command1 2\n" + kCash, Record("3.5", 0)},
    {"a training sale after a parked gin",
     kParkGin + "click mnuFormation\nanswer \"391205\"\nclick Command1 48\n" + kCash +
         "click mnuFormation\nclick Command1 2\n" + kCash,
     Record("3.5", 0)},
    {"no kitchen order for the dishes of a parked table",
     "click Command1 73\nclick cmdTable 1\nanswer ok\nclick Command1 2\n"
     "click cmdCuisine\nclick mnuBonCuisine\nanswer ok\nshow lstCuisine.ListCount\n" +
         kCash,
     Record("3.5", 0),
     {"show lstCuisine.ListCount 0"}},
    {"the dessert order of a table taken back",
     "click Command1 67\nclick Command1 79\nanswer \"6\"\nanswer \"Glace maison\"\n"
     "click cmdTable 1\nanswer ok\n" +
         kTakeBack1 + "type txtBon \"Vite\"\nclick cmdCuisine\nclick mnuDessert\nshow lstCuisine\n",
     "",
     {"show lstCuisine.List \"1 Glace maison      \""}},
    {"free texts holding ';' and digits keep their categories, the salad merges",
     "click Command1 79\nanswer \"4.5\"\nanswer \"Glace;2 boules 3\"\n"
     "click cmdMultiplie 3\nclick Command1 66\nanswer \"7\"\nanswer \"Plat;du jour 12\"\n"
     "click Command1 67\nclick Command1 67\n"
     "show LignesTicket 1\nshow LignesTicket 2\nshow LignesTicket 3\nshow LignesTicket\n" +
         kCash,
     Record("31", 5) + Record("4.5", 6),
     {"show LignesTicket(1) \"1;Glace;2 boules 3  ;    4.50;6\"",
      "show LignesTicket(2) \"3;Plat;du jour 12 (7;   21.00;5\"",
      "show LignesTicket(3) \"2;Salade ver (5.00) ;   10.00;5\"", "show LignesTicket 4"}},
    {"a split cancelled keeps the ticket taken back and its total",
     kParkGin + kTakeBack1 +
         "click Command1 2\nclick cmdPrint 2\nanswer no\nclick cmdUndo\n"
         "show TotalTicket\nshow lblTotal\n" +
         kCash,
     Record("3.5", 0) + Record("7", 3),
     {"show TotalTicket 10.5", "show lblTotal.Caption \"Total              €    10.50\""}},
    // The order shows each record's second field: a free text up to its ';';
    // the second order sends only what the first did not.
    {"the kitchen order of free texts holding ';'",
     "click Command1 79\nanswer \"4.5\"\nanswer \"Glace;2 boules 3\"\n"
     "click cmdMultiplie 3\nclick Command1 66\nanswer \"7\"\nanswer \"Plat;du jour 12\"\n"
     "click Command1 67\nclick Command1 2\n"
     "click cmdCuisine\nclick mnuDessert\nanswer ok\nshow lstCuisine\n"
     "click cmdCuisine\nclick mnuCuisineDessert\nanswer ok\nshow lstCuisine\n",
     "",
     {"show lstCuisine.List \"1 Glace\"",
      "show lstCuisine.List \"3 Plat\" \"1 Salade ver        \""}},
};

TEST(TicketRecords, TheRecordsAreThoseOfTheLinesOnScreen) {
    for (const RecordsCase& row : kCases) {
        SCOPED_TRACE(row.what);
        HeadlessTill till;
        const TillRun run = till.Run(kStart + row.script);
        EXPECT_EQ(till.Read("tickets.csv"), row.journal);
        EXPECT_EQ(Shows(run), row.shows);
    }
}

}  // namespace
}  // namespace vantor::test
