#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// A discount as typed: "10 %" (or "10%") takes a share, "2.50" an amount.
struct RemiseDemandee {
    bool pourcent = false;
    // Hundredths: of a percent for a share, of the currency for an amount.
    std::int64_t centiemes = 0;
};

// Nothing for a text that is neither, for 0 or less, and for a share over
// 100 %.
std::optional<RemiseDemandee> LireRemise(std::string_view text);

// What the discount takes from base (cents): a share rounded to the cent,
// halves away from zero; an amount as it is. Never more than base.
std::int64_t CentimesRemise(const RemiseDemandee& remise, std::int64_t base);

// The label of the discount's ticket line: "Remise 10 %", "Remise 2.50".
std::string LibelleRemise(const RemiseDemandee& remise);
// The label is one LibelleRemise writes: a recorded line that is a discount.
bool EstLibelleRemise(std::string_view label);
// The label of an offered line's ticket line.
inline constexpr const char* kLibelleOffert = "Offert";

// Cents as the ticket and the journal write them: "-1.50", "7".
std::string TexteCentimes(std::int64_t cents);

// A whole discount shared over the categories in proportion to their
// amounts: each share is cut to the cent, and the cents still missing go one
// each to the categories that lost the most in the cut (the first of equals),
// so that the shares always add up to the discount exactly.
using CentimesParCategorie = std::array<std::int64_t, 9>;
CentimesParCategorie RepartirRemise(std::int64_t remise, const CentimesParCategorie& montants);

}  // namespace vantor
