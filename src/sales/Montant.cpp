#include "sales/Montant.h"

#include "data/Text.h"

namespace vantor {

namespace {

constexpr std::size_t kNarrowWidth = 6;
constexpr std::size_t kWideWidth = 8;

// The amount with two decimals: a missing one is filled with "0", further
// ones are cut off (not rounded), as the receipt shows. A lone "." stays.
std::string TwoDecimals(std::string_view amount) {
    const std::size_t point = amount.find('.');
    if (point == std::string_view::npos) {
        std::string text(amount);
        return text += ".00";
    }
    const std::string_view fraction = amount.substr(point);  // "." included
    if (Len(fraction) == 2) {
        std::string text(amount);
        return text += '0';
    }
    return std::string(amount.substr(0, point)) + Left(fraction, 3);
}

}  // namespace

std::string FormatMontant(std::string_view amount, bool width6) {
    return PadLeft(TwoDecimals(amount), width6 ? kNarrowWidth : kWideWidth);
}

}  // namespace vantor
