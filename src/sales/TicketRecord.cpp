#include "sales/TicketRecord.h"

#include "data/Numbers.h"
#include "data/TillData.h"

namespace vantor {

std::string FormatTicketRecord(const TicketRecord& record) {
    return std::to_string(record.quantity) + ";" + record.label + ";" + record.amount + ";" +
           std::to_string(record.category);
}

std::optional<TicketRecord> ParseTicketRecord(std::string_view text) {
    const std::size_t first = text.find(';');
    const std::size_t last = text.rfind(';');
    if (first == std::string_view::npos || first == last) {
        return std::nullopt;
    }
    const std::size_t beforeLast = text.rfind(';', last - 1);
    if (beforeLast == first) {
        return std::nullopt;
    }
    const std::optional<int> quantity = ParseInteger(text.substr(0, first));
    const std::optional<int> category = ParseInteger(text.substr(last + 1));
    if (!quantity || !category || *category < 0 || *category >= kCategoryCount) {
        return std::nullopt;
    }
    TicketRecord record{*quantity, std::string(text.substr(first + 1, beforeLast - first - 1)),
                        std::string(text.substr(beforeLast + 1, last - beforeLast - 1)), *category};
    // " 2" or "+2" read as 2 would be written back otherwise.
    if (FormatTicketRecord(record) != text) {
        return std::nullopt;
    }
    return record;
}

}  // namespace vantor
