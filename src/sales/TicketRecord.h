#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// The record of a ticket line, entry k + 1 of LignesTicket for line k:
//   "2;Café (3.50)       ;    7.00;0"
// the quantity, the 18-character label field and the amount as the line
// shows them (MakeSaleFields), and the category of the article. The label is
// the one field that may hold a ";" (a free-price text as typed): the
// quantity is read before the first ";", the amount and the category after
// the last two.
struct TicketRecord {
    int quantity = 0;
    std::string label;
    std::string amount;
    int category = 0;
};

std::string FormatTicketRecord(const TicketRecord& record);
// nullopt for entry 0 (empty) and for any text the maker above does not
// make: fewer than four fields, a quantity or a category that is not a
// whole number written plainly, a category that is none of the till's.
std::optional<TicketRecord> ParseTicketRecord(std::string_view text);

}  // namespace vantor
