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

}  // namespace vantor
