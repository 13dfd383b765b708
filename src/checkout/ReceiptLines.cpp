#include "checkout/ReceiptLines.h"

#include <algorithm>

#include "data/Text.h"
#include "sales/Montant.h"

namespace vantor {

namespace {

// Two columns of margin on the left (300 twips, at 144 a column).
constexpr int kReceiptMarginColumns = 2;

std::string AmountPart(std::string_view currency, std::string_view amount) {
    std::string part(currency);
    part += ' ';
    part += FormatMontant(amount, false);
    return part;
}

// The label cut into pieces of at most room characters, at the last space
// that fits; a piece with no space in it is split where the room ends.
std::vector<std::string> WrapLabel(std::string_view label, std::size_t room) {
    std::vector<std::string> pieces;
    std::string rest = Trim(label);
    while (Len(rest) > room) {
        const std::string head = Left(rest, room + 1);
        const std::size_t space = head.rfind(' ');
        if (space == std::string::npos || space == 0) {
            pieces.push_back(Left(rest, room));
            rest = Trim(Mid(rest, room + 1));
        } else {
            pieces.push_back(Trim(head.substr(0, space)));
            rest = Trim(rest.substr(space + 1));
        }
    }
    pieces.push_back(rest);
    return pieces;
}

}  // namespace

int ReceiptWidth(const ReceiptPaper& paper) {
    return paper.Columns() - kReceiptMarginColumns;
}

std::string ReceiptRule(int width) {
    return std::string(static_cast<std::size_t>(std::max(width, 0)), '-');
}

std::string ReceiptAmountLine(std::string_view left, std::string_view currency,
                              std::string_view amount, int width) {
    const std::string right = AmountPart(currency, amount);
    const std::size_t used = Len(left) + Len(right);
    const std::size_t columns = static_cast<std::size_t>(std::max(width, 0));
    const std::size_t gap = used < columns ? columns - used : 1;
    return std::string(left) + std::string(gap, ' ') + right;
}

std::vector<std::string> ReceiptArticleLines(int quantity, std::string_view label,
                                             std::string_view currency, std::string_view amount,
                                             int width) {
    const std::string indent(Len(std::to_string(quantity)) + 1, ' ');
    const std::size_t amountColumns = Len(AmountPart(currency, amount)) + 1;
    const std::size_t columns = static_cast<std::size_t>(std::max(width, 0));
    // At least a few characters a line, whatever the paper and the amount.
    const std::size_t room = std::max<std::size_t>(
        columns > indent.size() + amountColumns ? columns - indent.size() - amountColumns : 0, 8);
    const std::vector<std::string> pieces = WrapLabel(label, room);
    std::vector<std::string> lines;
    lines.push_back(ReceiptAmountLine(std::to_string(quantity) + " " + pieces.front(), currency,
                                      amount, width));
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        lines.push_back(indent + pieces[i]);
    }
    return lines;
}

std::vector<std::string> ReceiptTextLines(std::string_view text, int width) {
    return WrapLabel(text, static_cast<std::size_t>(std::max(width, 8)));
}

std::vector<std::string> TrainingMarkLines(int width) {
    const std::string first = "MODE FORMATION -";
    const std::string second = "TICKET SANS VALEUR";
    const std::string whole = first + " " + second;
    if (Len(whole) <= static_cast<std::size_t>(std::max(width, 0))) {
        return {whole};
    }
    return {first, second};
}

}  // namespace vantor
