#include "sales/Tables.h"

#include <algorithm>
#include <stdexcept>

namespace vantor {

namespace {

std::size_t SlotOf(int number) {
    if (number < 1 || number > Tables::kCount) {
        throw std::out_of_range("no table " + std::to_string(number));
    }
    return static_cast<std::size_t>(number - 1);
}

}  // namespace

Tables::Tables() {
    for (int number = 1; number <= kCount; ++number) {
        Slot(number).name = DefaultName(number);
    }
}

std::string Tables::DefaultName(int number) {
    return "Table " + std::to_string(number);
}

const Table& Tables::At(int number) const {
    return tables_[SlotOf(number)];
}

Table& Tables::Slot(int number) {
    return tables_[SlotOf(number)];
}

bool Tables::AnyOccupied() const {
    return std::any_of(tables_.begin(), tables_.end(),
                       [](const Table& table) { return table.Occupied(); });
}

std::vector<std::string> Tables::OccupiedNames() const {
    std::vector<std::string> names;
    for (const Table& table : tables_) {
        if (table.Occupied()) {
            names.push_back(table.name);
        }
    }
    return names;
}

std::optional<int> Tables::FirstFree() const {
    for (int number = 1; number <= kCount; ++number) {
        if (!At(number).Occupied()) {
            return number;
        }
    }
    return std::nullopt;
}

TableClick Tables::Click(int number, const Ticket& ticket) const {
    if (At(number).Occupied()) {
        return ticket.Open() ? TableClick::TicketOpen : TableClick::TakeBack;
    }
    return ticket.Empty() ? TableClick::NothingToPark : TableClick::Park;
}

bool Tables::Park(int number, Ticket& ticket, std::string_view name, std::string_view waiter) {
    if (Click(number, ticket) != TableClick::Park) {
        return false;
    }
    Table& table = Slot(number);
    table.parked = std::move(ticket);
    table.waiter = waiter;
    ticket.Clear();
    Rename(number, name);
    return true;
}

bool Tables::TakeBack(int number, Ticket& ticket, std::string& waiter) {
    if (Click(number, ticket) != TableClick::TakeBack) {
        return false;
    }
    Table& table = Slot(number);
    ticket = std::move(*table.parked);
    ticket.Resume(table.name);
    table.parked.reset();
    waiter = std::move(table.waiter);
    table.waiter.clear();
    return true;
}

bool Tables::AddRound(int number, Ticket& ticket, std::string_view currency) {
    if (Click(number, ticket) != TableClick::TicketOpen || ticket.Empty()) {
        return false;
    }
    Slot(number).parked->AddRound(ticket, currency);
    ticket.Clear();
    return true;
}

bool Tables::Move(int from, int to) {
    if (!At(from).Occupied() || At(to).Occupied()) {
        return false;
    }
    Table& source = Slot(from);
    Table& target = Slot(to);
    target.parked = std::move(source.parked);
    target.waiter = std::move(source.waiter);
    source.parked.reset();
    source.waiter.clear();
    return true;
}

bool Tables::Merge(int from, int into, std::string_view currency) {
    if (from == into || !At(from).Occupied() || !At(into).Occupied()) {
        return false;
    }
    Table& source = Slot(from);
    Slot(into).parked->AddRound(*source.parked, currency);
    source.parked.reset();
    source.waiter.clear();
    return true;
}

void Tables::Rename(int number, std::string_view name) {
    if (!name.empty()) {
        Slot(number).name = name;
    }
}

void Tables::ForgetName(int number) {
    Slot(number).name = DefaultName(number);
}

}  // namespace vantor
