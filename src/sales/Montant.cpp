#include "sales/Montant.h"

#include <algorithm>
#include <string>

#include "data/Numbers.h"
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

std::string FormatCents(double value) {
    std::string text = NumberToText(value);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.erase(0, 1);
    }
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    fraction.resize(std::max<std::size_t>(fraction.size(), 3), '0');
    long long cents = std::stoll(whole) * 100 + std::stoll(fraction.substr(0, 2));
    if (fraction[2] >= '5') {
        ++cents;
    }
    std::string hundredths = std::to_string(cents % 100);
    return std::string(negative && cents != 0 ? "-" : "") + std::to_string(cents / 100) + "." +
           (hundredths.size() == 1 ? "0" : "") + hundredths;
}

}  // namespace vantor
