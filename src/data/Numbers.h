#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// Numbers travel as texts with "." as the decimal point.

// A decimal number, optionally signed, spaces around it allowed:
// "3", " 3.50 ", "-20", ".5", "5.". Not: "", "abc", "1e5", "3,50", "1 000".
bool IsNumeric(std::string_view s);
// The value of a numeric text, correctly rounded; nullopt when not numeric.
std::optional<double> ParseNumber(std::string_view s);
// The value of a text holding a whole number ("41", " 7 "); nullopt otherwise
// or when it does not fit in 32 bits.
std::optional<int> ParseInteger(std::string_view s);
// Prices and movements are below a thousand million: sums of many of them
// then stay exact to the cent, in the ticket and in the reports.
inline constexpr double kAmountLimit = 1e9;
// A numeric text whose value lies within the amount limit (either sign).
bool IsAmountInRange(std::string_view s);

// The shortest decimal form with at most 15 significant digits, "." as the
// point, never an exponent: 7 -> "7", 10.5 -> "10.5", 3 * 1.1 -> "3.3",
// -20 -> "-20", 0.1 + 0.2 -> "0.3", 1e20 -> "100000000000000000000".
std::string NumberToText(double value);

// An ASCII digit, whatever the locale.
bool IsDigit(char c);

}  // namespace vantor
