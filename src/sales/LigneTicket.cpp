#include "sales/LigneTicket.h"

#include "data/Numbers.h"
#include "data/Text.h"

namespace vantor {

std::string MakeTicketLine(int quantity, std::string_view label, std::string_view currency,
                           std::string_view amount) {
    std::string line = std::to_string(quantity);
    line += ' ';
    line += FitRight(label, kLabelWidth);
    line += ' ';
    line += currency;
    line += ' ';
    line += amount;
    return line;
}

std::optional<int> LineQuantity(std::string_view line) {
    return ParseInteger(line.substr(0, line.find(' ')));
}

std::string LineLabel(std::string_view line) {
    const std::size_t space = line.find(' ');
    return space == std::string_view::npos ? "" : Left(line.substr(space + 1), kLabelWidth);
}

std::string LineMergeLabel(std::string_view line) {
    std::string label = Trim(Left(LineLabel(line), 14));
    return label.find('(') == std::string::npos ? label : Trim(Before(label, "("));
}

std::string LineAmountText(std::string_view line) {
    const std::size_t space = line.rfind(' ');
    return Trim(space == std::string_view::npos ? line : line.substr(space + 1));
}

std::optional<double> LineAmount(std::string_view line) {
    return ParseNumber(LineAmountText(line));
}

}  // namespace vantor
