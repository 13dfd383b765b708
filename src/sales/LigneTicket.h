#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// A ticket line is: quantity, a space, the 18-character label field, a space,
// the currency symbol, a space and the amount (at least 8 wide):
//   "2 Café (3.50)        €     7.00"
// Every reader of a line uses these functions, which read any size: the
// quantity is the text before the first space, the label field the 18
// characters after it, the amount the text after the last space.

inline constexpr std::size_t kLabelWidth = 18;

std::string MakeTicketLine(int quantity, std::string_view label, std::string_view currency,
                           std::string_view amount);
// nullopt when the text before the first space is not a whole number.
std::optional<int> LineQuantity(std::string_view line);
// The 18-character label field, trailing spaces kept.
std::string LineLabel(std::string_view line);
// The label an article tap compares with its caption: the start of the label
// field, before any " (unit price)", spaces removed.
std::string LineMergeLabel(std::string_view line);
// The amount text, spaces removed.
std::string LineAmountText(std::string_view line);
// The amount when it is a number.
std::optional<double> LineAmount(std::string_view line);

// The label field and the amount (FormatMontant, width 8) of a line selling
// quantity of the article name at the unit price text price. From 2 on the
// label names the unit price and the amount is price times quantity.
struct SaleFields {
    std::string label;
    std::string amount;
    std::string wholeLabel;  // the label before it is fitted to its 18 characters
};
SaleFields MakeSaleFields(int quantity, std::string_view name, std::string_view price);
// True when the line sells this article at this unit price: the line this
// article makes for the line's quantity has the same label and amount. A
// price that is not a number sells nothing again.
bool SellsAgain(std::string_view line, std::string_view name, std::string_view price);

}  // namespace vantor
