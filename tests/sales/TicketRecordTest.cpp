// A ticket line's record reads back as it was made, whatever its label holds,
// and a text the maker never makes (entry 0, a cut or altered record) reads
// as no record.
#include <gtest/gtest.h>

#include "sales/LigneTicket.h"
#include "sales/TicketRecord.h"

namespace vantor {
namespace {

struct RoundTrip {
    int quantity;
    const char* name;
    const char* price;
    int category;
    const char* record;  // as LignesTicket holds it
};

// The label and the amount as a tap makes them (MakeSaleFields).
const RoundTrip kRoundTrips[] = {
    {1, "Café", "3.50", 0, "1;Café              ;    3.50;0"},
    {2, "Café", "3.50", 0, "2;Café (3.50)       ;    7.00;0"},
    {1, "Glace;2 boules", "4.5", 6, "1;Glace;2 boules    ;    4.50;6"},
    {3, "Plat;du jour 12", "7", 5, "3;Plat;du jour 12 (7;   21.00;5"},
    {1, ";;;", "1", 7, "1;;;;               ;    1.00;7"},
    {1, "Menu 12;5", "12", 5, "1;Menu 12;5         ;   12.00;5"},
    {10, "Eau", "1", 1, "10;Eau (1)           ;   10.00;1"},
    {1, "Banquet", "999999999.99", 4, "1;Banquet           ;999999999.99;4"},
    {1, "Remise", "-5", 7, "1;Remise            ;   -5.00;7"},
    {1, "", "0", 0, "1;                  ;    0.00;0"},
};

TEST(TicketRecord, ReadsBackWhatItWrites) {
    for (const RoundTrip& row : kRoundTrips) {
        SCOPED_TRACE(row.record);
        const SaleFields fields = MakeSaleFields(row.quantity, row.name, row.price);
        const TicketRecord made{row.quantity, fields.label, fields.amount, row.category};
        EXPECT_EQ(FormatTicketRecord(made), row.record);
        const std::optional<TicketRecord> read = ParseTicketRecord(row.record);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->quantity, row.quantity);
        EXPECT_EQ(read->label, fields.label);
        EXPECT_EQ(read->amount, fields.amount);
        EXPECT_EQ(read->category, row.category);
    }
}

TEST(TicketRecord, TextsItNeverMakesAreNoRecord) {
    const char* const kMalformed[] = {
        "",                                  // entry 0
        "1",                                 // one field
        "1;Café              ",              // two
        "1;Café              ;    3.50",     // three
        "1;Café              ;    3.50;",    // no category
        "1;Café              ;    3.50;8",   // no such category
        "1;Café              ;    3.50;10",  // nor this one
        "1;Café              ;    3.50;-1",  //
        "1;Café              ;    3.50;x",   //
        "1;Café              ;    3.50;05",  // not as the maker writes it
        "1;Café              ;    3.50;0 ",  //
        "x;Café              ;    3.50;0",   // no quantity
        ";Café              ;    3.50;0",    //
        " 1;Café              ;    3.50;0",  // not as the maker writes it
        "+1;Café              ;    3.50;0",  //
        "Café              ;    3.50;0",     // the quantity left out
        "1;Café 0",                          // a category without fields
    };
    for (const char* text : kMalformed) {
        EXPECT_EQ(ParseTicketRecord(text).has_value(), false) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace vantor
