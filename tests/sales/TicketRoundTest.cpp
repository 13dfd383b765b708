// Another round added to a table's ticket: each line of the round joins the
// table's line of the same article at the same price and category, wherever
// it stands, or comes at the end; the records and the total follow.
#include <gtest/gtest.h>

#include "data/Numbers.h"
#include "sales/LigneTicket.h"
#include "sales/Ticket.h"

namespace vantor {
namespace {

struct Sale {
    int quantity;
    const char* name;
    const char* price;
    int category;
};

struct RoundCase {
    const char* what;
    std::vector<Sale> table;
    std::vector<Sale> round;
    std::vector<std::string> records;  // entry 0 and one a line
    const char* caption;
};

// Free-price lines are added without a merge, as the screen adds them.
Ticket Made(const std::vector<Sale>& sales) {
    Ticket ticket;
    for (const Sale& sale : sales) {
        if (sale.quantity < 0) {
            ticket.Add(-sale.quantity, sale.name, sale.price, sale.category, "€");
        } else {
            ticket.Sell(sale.quantity, sale.name, sale.price, sale.category, "€");
        }
    }
    return ticket;
}

const RoundCase kRoundCases[] = {
    {"the same coffee adds to the quantity",
     {{1, "Café", "3.50", 0}},
     {{2, "Café", "3.50", 0}},
     {"", "3;Café (3.50)       ;   10.50;0"},
     "Total              €    10.50"},
    {"a line that is not the last merges too",
     {{2, "Café", "3.50", 0}, {1, "Bière", "5", 4}},
     {{1, "Café", "3.50", 0}, {1, "Bière", "5", 4}},
     {"", "3;Café (3.50)       ;   10.50;0", "2;Bière (5)         ;   10.00;4"},
     "Total              €    20.50"},
    {"another price is another line",
     {{1, "Café", "3.50", 0}},
     {{1, "Café", "4", 0}},
     {"", "1;Café              ;    3.50;0", "1;Café              ;    4.00;0"},
     "Total              €     7.50"},
    {"another category is another line",
     {{1, "Café", "3.50", 0}},
     {{1, "Café", "3.50", 1}},
     {"", "1;Café              ;    3.50;0", "1;Café              ;    3.50;1"},
     "Total              €     7.00"},
    {"a new article comes at the end",
     {{1, "Café", "3.50", 0}},
     {{1, "Thé noir", "3.50", 0}, {1, "Croissant", "2", 2}},
     {"", "1;Café              ;    3.50;0", "1;Thé noir          ;    3.50;0",
      "1;Croissant         ;    2.00;2"},
     "Total              €     9.00"},
    {"two lines of the round on one line of the table",
     {{1, "Café", "3.50", 0}, {1, "Thé noir", "3.50", 0}},
     {{1, "Café", "3.50", 0}, {1, "Eau", "2", 3}, {2, "Café", "3.50", 0}},
     {"", "4;Café (3.50)       ;   14.00;0", "1;Thé noir          ;    3.50;0",
      "1;Eau               ;    2.00;3"},
     "Total              €    19.50"},
    {"a free price typed alike merges",
     {{-1, "Divers", "2.50", 1}},
     {{-1, "Divers", "2.50", 1}},
     {"", "2;Divers (2.50)     ;    5.00;1"},
     "Total              €     5.00"},
    {"an empty round changes nothing",
     {{1, "Café", "3.50", 0}},
     {},
     {"", "1;Café              ;    3.50;0"},
     "Total              €     3.50"},
};

TEST(TicketRound, EachLineJoinsTheSameArticleOrComesAtTheEnd) {
    for (const RoundCase& row : kRoundCases) {
        SCOPED_TRACE(row.what);
        Ticket table = Made(row.table);
        table.AddRound(Made(row.round), "€");
        EXPECT_EQ(table.Records(), row.records);
        EXPECT_EQ(table.TotalCaption(), row.caption);
        for (const TicketLine& line : table.Lines()) {
            EXPECT_EQ(LineAmount(line.text), ParseNumber(line.record.amount)) << line.text;
        }
    }
}

}  // namespace
}  // namespace vantor
