// The shop's tables, as any screen parks a ticket on them and takes it back:
// what a click does for each state of the table and of the screen's ticket,
// then runs of parks, takes back and renames, each with the tables and the
// screen's ticket they leave.
#include <numeric>
#include <optional>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "sales/Tables.h"

namespace vantor {
namespace {

constexpr const char* kEuro = "€";

Ticket Coffee() {
    Ticket ticket;
    ticket.Sell(1, "Café", "3.50", 0, kEuro);
    return ticket;
}

// A ticket rung up whose only line was deleted.
Ticket OpenWithoutLine() {
    Ticket ticket = Coffee();
    ticket.Remove(0, kEuro);
    return ticket;
}

Ticket TakenBack() {
    Tables tables;
    Ticket ticket = Coffee();
    std::string waiter;
    tables.Park(1, ticket, "", "");
    tables.TakeBack(1, ticket, waiter);
    return ticket;
}

struct ClickCase {
    const char* what;
    bool occupied;
    Ticket ticket;
    TableClick expected;
};

TEST(Tables, AClickParksOrTakesBackOrIsRefused) {
    const ClickCase cases[] = {
        {"free, no ticket", false, Ticket{}, TableClick::NothingToPark},
        {"free, a ticket without line", false, OpenWithoutLine(), TableClick::NothingToPark},
        {"free, a ticket", false, Coffee(), TableClick::Park},
        {"free, a ticket taken back", false, TakenBack(), TableClick::Park},
        {"occupied, no ticket", true, Ticket{}, TableClick::TakeBack},
        {"occupied, a ticket without line", true, OpenWithoutLine(), TableClick::TicketOpen},
        {"occupied, a ticket", true, Coffee(), TableClick::TicketOpen},
        {"occupied, a ticket taken back", true, TakenBack(), TableClick::TicketOpen},
    };
    for (const ClickCase& row : cases) {
        SCOPED_TRACE(row.what);
        Tables tables;
        if (row.occupied) {
            Ticket other = Coffee();
            ASSERT_TRUE(tables.Park(5, other, "", ""));
        }
        EXPECT_EQ(tables.Click(5, row.ticket), row.expected);
    }
}

struct TableStep {
    enum Kind { Park, TakeBack, Rename, ForgetName, Tap, Round } kind;
    int table = 0;
    const char* name = "";
    bool done = true;  // what Park and TakeBack answer
};

// What a run leaves: one table's state, and the screen's ticket.
struct TableCase {
    const char* what;
    std::vector<TableStep> actions;
    int table;
    const char* name;
    std::vector<std::string> parkedLines;  // none when free
    const char* parkedCaption;
    std::vector<std::string> screenLines;
    const char* screenCaption;
    const char* screenTag;
};

const char* const kCafe = "1 Café               €     3.50";
const char* const kThe = "1 Thé noir           €     3.50";
const char* const kCaption = "Total              €     3.50";
const char* const kTwoCaption = "Total              €     7.00";

const TableStep kTap{TableStep::Tap};
TableStep Park(int table, const char* name = "", bool done = true) {
    return {TableStep::Park, table, name, done};
}
TableStep TakeBack(int table, bool done = true) {
    return {TableStep::TakeBack, table, "", done};
}
TableStep Round(int table, bool done = true) {
    return {TableStep::Round, table, "", done};
}
TableStep Rename(int table, const char* name) {
    return {TableStep::Rename, table, name};
}
TableStep Forget(int table) {
    return {TableStep::ForgetName, table};
}

const TableCase kTableCases[] = {
    {"all free at first", {}, 12, "Table 12", {}, "", {}, "", "0"},
    {"parked and named",
     {kTap, Park(3, "Terrasse")},
     3,
     "Terrasse",
     {kCafe},
     kCaption,
     {},
     "",
     "0"},
    {"parked with no name given", {kTap, Park(3)}, 3, "Table 3", {kCafe}, kCaption, {}, "", "0"},
    {"taken back: the name stays, the tag holds the plain number",
     {kTap, Park(3, "Terrasse"), TakeBack(3)},
     3,
     "Terrasse",
     {},
     "",
     {kCafe},
     kCaption,
     "3.5"},
    {"taken back and its name forgotten",
     {kTap, Park(3, "Terrasse"), TakeBack(3), Forget(3)},
     3,
     "Table 3",
     {},
     "",
     {kCafe},
     kCaption,
     "3.5"},
    {"nothing to park", {Park(2, "Bar", false)}, 2, "Table 2", {}, "", {}, "", "0"},
    {"an occupied table takes no other ticket",
     {kTap, Park(2), kTap, Park(2, "Bar", false)},
     2,
     "Table 2",
     {kCafe},
     kCaption,
     {kThe},
     kCaption,
     "    3.50"},
    {"no table taken back over a ticket",
     {kTap, Park(2), kTap, TakeBack(2, false)},
     2,
     "Table 2",
     {kCafe},
     kCaption,
     {kThe},
     kCaption,
     "    3.50"},
    {"a free table gives nothing back", {TakeBack(4, false)}, 4, "Table 4", {}, "", {}, "", "0"},
    {"renamed while occupied",
     {kTap, Park(7), Rename(7, "Fenêtre")},
     7,
     "Fenêtre",
     {kCafe},
     kCaption,
     {},
     "",
     "0"},
    {"an empty name renames nothing",
     {Rename(7, "Fenêtre"), Rename(7, "")},
     7,
     "Fenêtre",
     {},
     "",
     {},
     "",
     "0"},
    {"each table its own ticket",
     {kTap, Park(1), kTap, kTap, Park(12), TakeBack(1)},
     12,
     "Table 12",
     {kThe, kCafe},
     kTwoCaption,
     {kCafe},
     kCaption,
     "3.5"},
    {"taken back, parked again elsewhere",
     {kTap, kTap, Park(1), TakeBack(1), Park(6)},
     6,
     "Table 6",
     {kCafe, kThe},
     kTwoCaption,
     {},
     "",
     "0"},
    {"another round joins the table and empties the screen",
     {kTap, Park(2, "Terrasse"), kTap, kTap, Round(2)},
     2,
     "Terrasse",
     {"2 Café (3.50)        €     7.00", kThe},
     "Total              €    10.50",
     {},
     "",
     "0"},
    {"no round on a free table",
     {kTap, Round(4, false)},
     4,
     "Table 4",
     {},
     "",
     {kCafe},
     kCaption,
     "    3.50"},
    {"a round of no line is none",
     {kTap, Park(2), Round(2, false)},
     2,
     "Table 2",
     {kCafe},
     kCaption,
     {},
     "",
     "0"},
};

// Taps alternate a coffee and a black tea, so that no two merge.
void RunActions(Tables& tables, Ticket& screen, const std::vector<TableStep>& actions) {
    bool coffee = true;
    for (const TableStep& action : actions) {
        switch (action.kind) {
            case TableStep::Tap:
                screen.Sell(1, coffee ? "Café" : "Thé noir", "3.50", 0, kEuro);
                coffee = !coffee;
                break;
            case TableStep::Park:
                EXPECT_EQ(tables.Park(action.table, screen, action.name, ""), action.done);
                break;
            case TableStep::TakeBack: {
                std::string waiter;
                EXPECT_EQ(tables.TakeBack(action.table, screen, waiter), action.done);
                break;
            }
            case TableStep::Round:
                EXPECT_EQ(tables.AddRound(action.table, screen, kEuro), action.done);
                break;
            case TableStep::Rename:
                tables.Rename(action.table, action.name);
                break;
            case TableStep::ForgetName:
                tables.ForgetName(action.table);
                break;
        }
    }
}

TEST(Tables, ParkTakeBackAndRenameLeaveTablesAndTicketAsTold) {
    for (const TableCase& row : kTableCases) {
        SCOPED_TRACE(row.what);
        Tables tables;
        Ticket screen;
        RunActions(tables, screen, row.actions);
        const Table& table = tables.At(row.table);
        EXPECT_EQ(table.name, row.name);
        EXPECT_EQ(table.Occupied(), !row.parkedLines.empty());
        if (table.Occupied()) {
            EXPECT_EQ(table.parked->Texts(), row.parkedLines);
            EXPECT_EQ(table.parked->TotalCaption(), row.parkedCaption);
        }
        EXPECT_EQ(screen.Texts(), row.screenLines);
        EXPECT_EQ(screen.TotalCaption(), row.screenCaption);
        EXPECT_EQ(screen.TotalTag(), row.screenTag);
        EXPECT_EQ(screen.Records().size(), row.screenLines.size() + 1);
    }
}

TEST(Tables, AParkedTicketComesBackWithItsRecordsAndTotal) {
    Tables tables;
    Ticket screen;
    screen.Add(1, "Glace maison", "6", 6, kEuro);
    screen.Sell(2, "Café", "3.50", 0, kEuro);
    const std::vector<std::string> records = screen.Records();
    ASSERT_TRUE(tables.Park(9, screen, "", ""));
    EXPECT_DOUBLE_EQ(screen.Total(), 0);
    EXPECT_EQ(screen.Records(), std::vector<std::string>{""});
    std::string waiter;
    ASSERT_TRUE(tables.TakeBack(9, screen, waiter));
    EXPECT_EQ(screen.Records(), records);
    EXPECT_DOUBLE_EQ(screen.Total(), 13);
    EXPECT_TRUE(screen.Open());
}

// The ticket on a screen names the table it was last taken back from,
// until it is cleared.
TEST(Tables, ATicketTakenBackNamesItsTable) {
    struct NameCase {
        const char* what;
        std::vector<TableStep> actions;
        const char* tableName;
    };
    const NameCase cases[] = {
        {"rung up on the screen", {kTap}, ""},
        {"taken back from a named table", {kTap, Park(3, "Terrasse"), TakeBack(3)}, "Terrasse"},
        {"taken back from a table of its own name", {kTap, Park(9), TakeBack(9)}, "Table 9"},
        {"taken back, then another table's",
         {kTap, Park(3, "Terrasse"), TakeBack(3), Park(5, "Bar"), TakeBack(5)},
         "Bar"},
        {"its name kept when the table forgets it",
         {kTap, Park(3, "Terrasse"), TakeBack(3), Forget(3)},
         "Terrasse"},
        {"parked again: the screen holds none", {kTap, Park(3), TakeBack(3), Park(4)}, ""},
    };
    for (const NameCase& row : cases) {
        SCOPED_TRACE(row.what);
        Tables tables;
        Ticket screen;
        RunActions(tables, screen, row.actions);
        EXPECT_EQ(screen.TableName(), row.tableName);
    }
}

// Moves and merges between tables: which tables hold which lines after, and
// what each answered. Tables 1 (Julie: a coffee, sent) and 2 (Marc: a black
// tea) are occupied, the others free.
struct MoveCase {
    const char* what;
    bool merge;
    int from;
    int to;
    bool done;
    std::vector<std::string> table1;
    std::vector<std::string> table2;
    std::vector<std::string> table3;
    const char* waiterOf3;
};

TEST(Tables, AMoveOrAMergeTakesTheLinesTheirMarksAndTheWaiter) {
    const MoveCase cases[] = {
        {"moved to a free table", false, 1, 3, true, {}, {kThe}, {kCafe}, "Julie"},
        {"no move to an occupied table", false, 1, 2, false, {kCafe}, {kThe}, {}, ""},
        {"no move from a free table", false, 4, 3, false, {kCafe}, {kThe}, {}, ""},
        {"no move onto itself", false, 1, 1, false, {kCafe}, {kThe}, {}, ""},
        {"merged into another", true, 1, 2, true, {}, {kThe, kCafe}, {}, ""},
        {"no merge with a free table", true, 1, 3, false, {kCafe}, {kThe}, {}, ""},
        {"no merge with itself", true, 2, 2, false, {kCafe}, {kThe}, {}, ""},
    };
    for (const MoveCase& row : cases) {
        SCOPED_TRACE(row.what);
        Tables tables;
        Ticket screen = Coffee();
        screen.MarkSent(0);
        ASSERT_TRUE(tables.Park(1, screen, "", "Julie"));
        screen.Sell(1, "Thé noir", "3.50", 0, kEuro);
        ASSERT_TRUE(tables.Park(2, screen, "", "Marc"));
        EXPECT_EQ(row.merge ? tables.Merge(row.from, row.to, kEuro) : tables.Move(row.from, row.to),
                  row.done);
        const std::vector<std::string> none;
        EXPECT_EQ(tables.At(1).Occupied() ? tables.At(1).parked->Texts() : none, row.table1);
        EXPECT_EQ(tables.At(2).Occupied() ? tables.At(2).parked->Texts() : none, row.table2);
        EXPECT_EQ(tables.At(3).Occupied() ? tables.At(3).parked->Texts() : none, row.table3);
        EXPECT_EQ(tables.At(3).waiter, row.waiterOf3);
        for (int number : {1, 2, 3}) {
            if (tables.At(number).Occupied()) {
                const Ticket& ticket = *tables.At(number).parked;
                const bool hasCoffee =
                    ticket.Lines().back().text == kCafe || ticket.Lines().front().text == kCafe;
                EXPECT_EQ(ticket.SentLines().size(), hasCoffee ? 1u : 0u) << number;
            }
        }
        EXPECT_EQ(tables.At(2).waiter, tables.At(2).Occupied() ? "Marc" : "");
        EXPECT_EQ(tables.At(1).name, "Table 1");
        EXPECT_EQ(tables.At(3).name, "Table 3");
    }
}

TEST(Tables, AnyOccupiedWhileOneTableHoldsATicket) {
    Tables tables;
    Ticket screen;
    tables.Rename(4, "Bar");
    EXPECT_FALSE(tables.AnyOccupied());
    screen = Coffee();
    tables.Park(12, screen, "", "");
    EXPECT_TRUE(tables.AnyOccupied());
    std::string waiter;
    tables.TakeBack(12, screen, waiter);
    EXPECT_FALSE(tables.AnyOccupied());
}

// Which tables are taken before the lookup, and the free one it finds.
struct FirstFreeCase {
    std::vector<int> taken;
    std::optional<int> expected;
};

TEST(Tables, FirstFreeIsTheLowestNumberNotTaken) {
    std::vector<int> all(Tables::kCount);
    std::iota(all.begin(), all.end(), 1);
    std::vector<int> allButTwelve(all.begin(), all.end() - 1);
    std::vector<int> allButFive = all;
    allButFive.erase(allButFive.begin() + 4);
    const FirstFreeCase cases[] = {
        {{}, 1},         {{1}, 2},           {{2, 3}, 1},         {{1, 2, 4}, 3},
        {allButFive, 5}, {allButTwelve, 12}, {all, std::nullopt},
    };
    for (const FirstFreeCase& c : cases) {
        Tables tables;
        for (int number : c.taken) {
            Ticket screen = Coffee();
            ASSERT_TRUE(tables.Park(number, screen, "", ""));
        }
        EXPECT_EQ(tables.FirstFree(), c.expected) << ::testing::PrintToString(c.taken);
    }
}

TEST(Tables, AreNumberedFromOneToTwelve) {
    const Tables tables;
    EXPECT_EQ(tables.At(1).name, "Table 1");
    EXPECT_EQ(tables.At(Tables::kCount).name, "Table 12");
    EXPECT_THROW(tables.At(0), std::out_of_range);
    EXPECT_THROW(tables.At(Tables::kCount + 1), std::out_of_range);
    EXPECT_EQ(Tables::DefaultName(7), "Table 7");
}

}  // namespace
// Each table gives back the waiter who parked it, whatever was parked or
// taken back in between; a refused take-back leaves the waiter as it was.
TEST(Tables, ATableGivesBackTheWaiterWhoParkedIt) {
    struct WaiterCase {
        const char* what;
        int table;
        bool done;
        const char* waiter;
    };
    Tables tables;
    Ticket screen;
    screen.Sell(1, "Café", "3.50", 0, kEuro);
    ASSERT_TRUE(tables.Park(3, screen, "Terrasse", "Julie"));
    screen.Sell(1, "Thé noir", "3.50", 0, kEuro);
    ASSERT_TRUE(tables.Park(4, screen, "", "Marc"));
    screen.Sell(1, "Café", "3.50", 0, kEuro);
    ASSERT_TRUE(tables.Park(5, screen, "", ""));
    screen.Sell(1, "Café", "3.50", 0, kEuro);
    ASSERT_TRUE(tables.AddRound(3, screen, kEuro));  // another's round: the table stays Julie's
    const WaiterCase cases[] = {
        {"the second table parked", 4, true, "Marc"},
        {"a free table", 6, false, "Marc"},
        {"the first table parked", 3, true, "Julie"},
        {"the same table again, now free", 3, false, "Julie"},
        {"parked with no waiter", 5, true, ""},
    };
    std::string waiter = "avant";
    for (const WaiterCase& row : cases) {
        SCOPED_TRACE(row.what);
        Ticket taken;
        EXPECT_EQ(tables.TakeBack(row.table, taken, waiter), row.done);
        EXPECT_EQ(waiter, row.waiter);
        EXPECT_EQ(tables.At(row.table).waiter, "");
    }
}

}  // namespace vantor
