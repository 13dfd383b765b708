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

// Adds one to a text of decimal digits, carrying to the left.
void AddOne(std::string& digits) {
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return;
        }
        *digit = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The rounding is done on the digits of the text, so that no value, however
// large, overflows a whole number.
std::string FormatCents(double value) {
    std::string text = NumberToText(value);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.erase(0, 1);
    }
    const std::size_t point = text.find('.');
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    fraction.resize(std::max<std::size_t>(fraction.size(), 3), '0');
    std::string cents = text.substr(0, point) + fraction.substr(0, 2);
    if (fraction[2] >= '5') {
        AddOne(cents);
    }
    const std::size_t firstDigit = std::min(cents.find_first_not_of('0'), cents.size() - 3);
    cents.erase(0, firstDigit);
    const bool zero = cents.find_first_not_of('0') == std::string::npos;
    return std::string(negative && !zero ? "-" : "") + cents.substr(0, cents.size() - 2) + "." +
           cents.substr(cents.size() - 2);
}

}  // namespace vantor
