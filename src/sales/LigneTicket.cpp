#include "sales/LigneTicket.h"

#include "data/Numbers.h"
#include "data/Text.h"
#include "sales/Montant.h"

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

SaleFields MakeSaleFields(int quantity, std::string_view name, std::string_view price) {
    if (quantity <= 1) {
        return {FitRight(name, kLabelWidth), FormatMontant(price, false), Trim(name)};
    }
    const std::string amount = NumberToText(ParseNumber(price).value_or(0) * quantity);
    const std::string whole = Trim(name) + " (" + Trim(price) + ")";
    return {FitRight(whole, kLabelWidth), FormatMontant(amount, false), whole};
}

bool SellsAgain(std::string_view line, std::string_view name, std::string_view price) {
    const std::optional<int> quantity = LineQuantity(line);
    if (!quantity || !IsNumeric(price)) {
        return false;
    }
    const SaleFields fields = MakeSaleFields(*quantity, name, price);
    return Trim(LineLabel(line)) == Trim(fields.label) &&
           LineAmountText(line) == Trim(fields.amount);
}

}  // namespace vantor
