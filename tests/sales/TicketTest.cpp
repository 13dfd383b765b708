// The ticket of a sales screen, as any screen changes it: taps that merge
// with the last line or not, free-price lines, deletions, a clear, a change
// of currency and a ticket back from a table. Each row is a run of steps and
// the ticket it leaves: its lines, its records (as LignesTicket holds them),
// its total and the total label's caption and tag.
#include <gtest/gtest.h>

#include "sales/Ticket.h"

namespace vantor {
namespace {

struct Step {
    enum Kind { Sell, Add, Remove, Recalculate, Clear, Resume } kind;
    int quantity = 1;  // the line, for Remove
    const char* name = "";
    const char* price = "";
    int category = 0;
    const char* currency = "€";
};

Step Sell(int quantity, const char* name, const char* price, int category) {
    return {Step::Sell, quantity, name, price, category};
}
Step Add(int quantity, const char* name, const char* price, int category) {
    return {Step::Add, quantity, name, price, category};
}
Step Remove(int line) {
    return {Step::Remove, line};
}
Step Recalculate(const char* currency) {
    return {Step::Recalculate, 0, "", "", 0, currency};
}
const Step kClear{Step::Clear};
const Step kResume{Step::Resume};

// Runs the steps; the merges that Sell told, in order.
std::vector<bool> RunSteps(Ticket& ticket, const std::vector<Step>& steps) {
    std::vector<bool> merges;
    for (const Step& step : steps) {
        switch (step.kind) {
            case Step::Sell:
                merges.push_back(ticket.Sell(step.quantity, step.name, step.price, step.category,
                                             step.currency));
                break;
            case Step::Add:
                ticket.Add(step.quantity, step.name, step.price, step.category, step.currency);
                break;
            case Step::Remove:
                ticket.Remove(static_cast<std::size_t>(step.quantity), step.currency);
                break;
            case Step::Recalculate:
                ticket.Recalculate(step.currency);
                break;
            case Step::Clear:
                ticket.Clear();
                break;
            case Step::Resume:
                ticket.Resume();
                break;
        }
    }
    return merges;
}

struct TicketCase {
    const char* what;
    std::vector<Step> steps;
    std::vector<bool> merges;
    std::vector<std::string> texts;
    std::vector<std::string> records;  // entry 0 and one a line
    double total;
    const char* caption;
    const char* tag;
};

const TicketCase kTicketCases[] = {
    {"nothing yet", {}, {}, {}, {""}, 0, "", "0"},
    {"a coffee",
     {Sell(1, "Café", "3.50", 0)},
     {false},
     {"1 Café               €     3.50"},
     {"", "1;Café              ;    3.50;0"},
     3.5,
     "Total              €     3.50",
     "    3.50"},
    {"a coffee tapped twice is one line of two",
     {Sell(1, "Café", "3.50", 0), Sell(1, "Café", "3.50", 0)},
     {false, true},
     {"2 Café (3.50)        €     7.00"},
     {"", "2;Café (3.50)       ;    7.00;0"},
     7,
     "Total              €     7.00",
     "    7.00"},
    {"three coffees, then one more",
     {Sell(3, "Café", "3.50", 0), Sell(1, "Café", "3.50", 0)},
     {false, true},
     {"4 Café (3.50)        €    14.00"},
     {"", "4;Café (3.50)       ;   14.00;0"},
     14,
     "Total              €    14.00",
     "   14.00"},
    {"only the last line merges",
     {Sell(1, "Café", "3.50", 0), Sell(1, "Thé noir", "3.50", 0), Sell(1, "Café", "3.50", 0)},
     {false, false, false},
     {"1 Café               €     3.50", "1 Thé noir           €     3.50",
      "1 Café               €     3.50"},
     {"", "1;Café              ;    3.50;0", "1;Thé noir          ;    3.50;0",
      "1;Café              ;    3.50;0"},
     10.5,
     "Total              €    10.50",
     "   10.50"},
    {"the same name in another category is another article",
     {Sell(1, "Café", "3.50", 0), Sell(1, "Café", "3.50", 1)},
     {false, false},
     {"1 Café               €     3.50", "1 Café               €     3.50"},
     {"", "1;Café              ;    3.50;0", "1;Café              ;    3.50;1"},
     7,
     "Total              €     7.00",
     "    7.00"},
    {"the same name at another price is another article",
     {Sell(1, "Café", "3.50", 0), Sell(1, "Café", "4", 0)},
     {false, false},
     {"1 Café               €     3.50", "1 Café               €     4.00"},
     {"", "1;Café              ;    3.50;0", "1;Café              ;    4.00;0"},
     7.5,
     "Total              €     7.50",
     "    7.50"},
    {"a line added is never merged with the next",
     {Add(1, "Glace", "6", 6), Add(1, "Glace", "6", 6)},
     {},
     {"1 Glace              €     6.00", "1 Glace              €     6.00"},
     {"", "1;Glace             ;    6.00;6", "1;Glace             ;    6.00;6"},
     12,
     "Total              €    12.00",
     "   12.00"},
    {"a tap merges with a typed line that sells the same",
     {Add(1, "Glace", "6", 6), Sell(1, "Glace", "6", 6)},
     {true},
     {"2 Glace (6)          €    12.00"},
     {"", "2;Glace (6)         ;   12.00;6"},
     12,
     "Total              €    12.00",
     "   12.00"},
    {"a free text keeps its ';' in the record",
     {Add(1, "Glace;2 boules", "4.5", 6)},
     {},
     {"1 Glace;2 boules     €     4.50"},
     {"", "1;Glace;2 boules    ;    4.50;6"},
     4.5,
     "Total              €     4.50",
     "    4.50"},
    {"the middle line deleted",
     {Sell(1, "Café", "3.50", 0), Sell(1, "Coca 2dl", "2.80", 1), Sell(1, "Gin", "7", 3),
      Remove(1)},
     {false, false, false},
     {"1 Café               €     3.50", "1 Gin                €     7.00"},
     {"", "1;Café              ;    3.50;0", "1;Gin               ;    7.00;3"},
     10.5,
     "Total              €    10.50",
     "   10.50"},
    {"a line that is not there is not deleted",
     {Sell(1, "Café", "3.50", 0), Remove(1)},
     {false},
     {"1 Café               €     3.50"},
     {"", "1;Café              ;    3.50;0"},
     3.5,
     "Total              €     3.50",
     "    3.50"},
    {"the last line deleted leaves a ticket rung up at 0.00",
     {Sell(1, "Café", "3.50", 0), Remove(0)},
     {false},
     {},
     {""},
     0,
     "Total              €     0.00",
     "    0.00"},
    {"cleared", {Sell(2, "Gin", "7", 3), kClear}, {false}, {}, {""}, 0, "", "0"},
    {"the total in another currency; the lines keep theirs",
     {Sell(1, "Café", "3.50", 0), Recalculate("CHF")},
     {false},
     {"1 Café               €     3.50"},
     {"", "1;Café              ;    3.50;0"},
     3.5,
     "Total              CHF     3.50",
     "    3.50"},
    {"back from a table: the plain number in the tag",
     {Sell(1, "Café", "3.50", 0), Sell(1, "Coca 2dl", "2.80", 1), kResume},
     {false, false},
     {"1 Café               €     3.50", "1 Coca 2dl           €     2.80"},
     {"", "1;Café              ;    3.50;0", "1;Coca 2dl          ;    2.80;1"},
     6.3,
     "Total              €     6.30",
     "6.3"},
    {"a tap after a ticket came back shows the amount again",
     {Sell(1, "Café", "3.50", 0), kResume, Sell(1, "Café", "3.50", 0)},
     {false, true},
     {"2 Café (3.50)        €     7.00"},
     {"", "2;Café (3.50)       ;    7.00;0"},
     7,
     "Total              €     7.00",
     "    7.00"},
};

TEST(Ticket, IsWhatItsStepsMadeIt) {
    for (const TicketCase& row : kTicketCases) {
        SCOPED_TRACE(row.what);
        Ticket ticket;
        EXPECT_EQ(RunSteps(ticket, row.steps), row.merges);
        EXPECT_EQ(ticket.Texts(), row.texts);
        EXPECT_EQ(ticket.Records(), row.records);
        EXPECT_DOUBLE_EQ(ticket.Total(), row.total);
        EXPECT_EQ(ticket.TotalCaption(), row.caption);
        EXPECT_EQ(ticket.TotalTag(), row.tag);
        EXPECT_EQ(ticket.Empty(), row.texts.empty());
        EXPECT_EQ(ticket.Open(), *row.caption != '\0');
        ASSERT_EQ(ticket.Lines().size(), row.texts.size());
        for (std::size_t j = 0; j < row.texts.size(); ++j) {
            EXPECT_EQ(ticket.Lines()[j].text, row.texts[j]);
            EXPECT_EQ(FormatTicketRecord(ticket.Lines()[j].record), row.records[j + 1]);
        }
    }
}

TEST(Ticket, RemoveTellsWhetherALineWent) {
    Ticket ticket;
    ticket.Sell(1, "Café", "3.50", 0, "€");
    EXPECT_FALSE(ticket.Remove(1, "€"));
    EXPECT_TRUE(ticket.Remove(0, "€"));
    EXPECT_FALSE(ticket.Remove(0, "€"));
}

}  // namespace
}  // namespace vantor
