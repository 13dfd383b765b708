#pragma once

#include <string>
#include <string_view>

namespace vantor {

// An amount text made into two decimals, cut and not rounded ("12.345" gives
// "12.34", "7" gives "7.00", "3.5" gives "3.50"), then padded on the left with
// spaces to at least 6 characters (width6) or 8. Longer texts are not cut.
std::string FormatMontant(std::string_view amount, bool width6);

// The value rounded to cents, halves away from zero, with two decimals
// ("0.385" gives "0.39", "-1.005" gives "-1.01"), as the receipt shows the VAT.
// The rounding works on the number's 15-digit decimal text, so a value that
// prints as 1.005 rounds up.
std::string FormatCents(double value);

}  // namespace vantor
