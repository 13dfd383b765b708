#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sales/Ticket.h"

namespace vantor {

// A table of the shop: its name, and while it is occupied the ticket parked
// on it, total caption included, and the waiter who parked it.
struct Table {
    std::string name;
    std::optional<Ticket> parked;
    std::string waiter;

    bool Occupied() const { return parked.has_value(); }
};

// What a click on a table does with the ticket of a screen.
enum class TableClick {
    Park,           // a free table takes the screen's ticket
    TakeBack,       // an occupied table gives its ticket back to the screen
    NothingToPark,  // a free table and a ticket without a line
    TicketOpen,     // an occupied table while the screen rings up a ticket
};

// The shop's tables, numbered from 1, on which the tickets of any screen are
// parked and taken back. They live in memory only: each start finds them
// free, with their default names.
class Tables {
public:
    static constexpr int kCount = 12;

    Tables();
    // "Table " and the number.
    static std::string DefaultName(int number);

    // Throws std::out_of_range for a number that is no table's.
    const Table& At(int number) const;
    bool AnyOccupied() const;
    // The names of the occupied tables, by number.
    std::vector<std::string> OccupiedNames() const;
    // The lowest number of a free table; nullopt when every table is taken.
    std::optional<int> FirstFree() const;
    TableClick Click(int number, const Ticket& ticket) const;

    // When the click parks: the ticket goes onto the table, and the screen's
    // ticket is left empty; a name that is not empty becomes the table's.
    // The table keeps the waiter who serves it. False, nothing changed,
    // otherwise.
    bool Park(int number, Ticket& ticket, std::string_view name, std::string_view waiter);
    // When the click takes back: the table's ticket goes back to the screen,
    // showing the total it was parked with, and the table is free; its name
    // stays; waiter is set to the one who parked it. False, nothing
    // changed, otherwise.
    bool TakeBack(int number, Ticket& ticket, std::string& waiter);
    // Another round: when the table is occupied and the screen's ticket has
    // lines, they are added to the table's (Ticket::AddRound) and the
    // screen's ticket is left empty; the table keeps its waiter. False,
    // nothing changed, otherwise.
    bool AddRound(int number, Ticket& ticket, std::string_view currency);
    // The ticket of an occupied table moves to a free one, with its waiter
    // and what was sent to the kitchen; each table keeps its name. False,
    // nothing changed, unless from is occupied and to free.
    bool Move(int from, int to);
    // The ticket of an occupied table joins another occupied one's
    // (Ticket::AddRound), which keeps its waiter; from is left free. False,
    // nothing changed, unless both are occupied and not the same.
    bool Merge(int from, int into, std::string_view currency);
    // A name that is not empty becomes the table's, free or occupied.
    void Rename(int number, std::string_view name);
    void ForgetName(int number);

private:
    Table& Slot(int number);

    std::array<Table, kCount> tables_;
};

}  // namespace vantor
