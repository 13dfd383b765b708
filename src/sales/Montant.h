#pragma once

#include <string>
#include <string_view>

namespace vantor {

// An amount text made into two decimals, cut and not rounded ("12.345" gives
// "12.34", "7" gives "7.00", "3.5" gives "3.50"), then padded on the left with
// spaces to at least 6 characters (width6) or 8. Longer texts are not cut.
std::string FormatMontant(std::string_view amount, bool width6);

}  // namespace vantor
