#include "sales/Remise.h"

#include <algorithm>
#include <numeric>

#include "data/Numbers.h"
#include "data/Text.h"

namespace vantor {

namespace {

// "12.5" as 1250 hundredths; nothing for more than two decimals or no number.
std::optional<std::int64_t> Hundredths(std::string_view text) {
    const std::string plain = Replace(Trim(text), ",", ".");
    const std::size_t point = plain.find('.');
    if (plain.empty() || (point != std::string::npos && plain.size() - point > 3)) {
        return std::nullopt;
    }
    const std::optional<double> value = ParseNumber(plain);
    if (!value || !(*value > 0) || *value > 1e9) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(*value * 100 + 0.5);
}

}  // namespace

std::optional<RemiseDemandee> LireRemise(std::string_view text) {
    const std::string typed = Trim(text);
    const bool share = !typed.empty() && typed.back() == '%';
    const std::optional<std::int64_t> value =
        Hundredths(share ? std::string_view(typed).substr(0, typed.size() - 1) : typed);
    if (!value || *value == 0 || (share && *value > 10000)) {
        return std::nullopt;
    }
    return RemiseDemandee{share, *value};
}

std::int64_t CentimesRemise(const RemiseDemandee& remise, std::int64_t base) {
    if (base <= 0) {
        return 0;
    }
    // base cents times hundredths of a percent: 10000 to a whole.
    const std::int64_t taken =
        remise.pourcent ? (base * remise.centiemes + 5000) / 10000 : remise.centiemes;
    return std::min(taken, base);
}

std::string TexteCentimes(std::int64_t cents) {
    const std::int64_t whole = (cents < 0 ? -cents : cents);
    std::string text = std::to_string(whole / 100) + "." + (whole % 100 < 10 ? "0" : "") +
                       std::to_string(whole % 100);
    return cents < 0 ? "-" + text : text;
}

std::string LibelleRemise(const RemiseDemandee& remise) {
    std::string value = TexteCentimes(remise.centiemes);
    if (remise.pourcent) {
        // "10.00" is written "10", "12.50" "12.5".
        value.erase(value.find_last_not_of('0') + 1);
        if (value.back() == '.') {
            value.pop_back();
        }
        return "Remise " + value + " %";
    }
    return "Remise " + value;
}

bool EstLibelleRemise(std::string_view label) {
    constexpr std::string_view kPrefix = "Remise ";
    if (label.substr(0, kPrefix.size()) != kPrefix) {
        return false;
    }
    std::string typed(label.substr(kPrefix.size()));
    if (typed.size() > 2 && typed.ends_with(" %")) {
        typed.erase(typed.size() - 2, 1);  // "10 %" is read as typed "10%"
    }
    const std::optional<RemiseDemandee> remise = LireRemise(typed);
    return remise && LibelleRemise(*remise) == label;
}

CentimesParCategorie RepartirRemise(std::int64_t remise, const CentimesParCategorie& montants) {
    CentimesParCategorie parts{};
    const std::int64_t base = std::accumulate(montants.begin(), montants.end(), std::int64_t{0});
    if (base <= 0 || remise <= 0) {
        return parts;
    }
    std::array<std::int64_t, 9> lost{};
    std::int64_t given = 0;
    for (std::size_t c = 0; c < parts.size(); ++c) {
        const std::int64_t amount = std::max<std::int64_t>(montants[c], 0);
        parts[c] = amount * remise / base;
        lost[c] = amount * remise % base;
        given += parts[c];
    }
    for (std::int64_t missing = remise - given; missing > 0; --missing) {
        const auto most = std::max_element(lost.begin(), lost.end());
        parts[static_cast<std::size_t>(most - lost.begin())] += 1;
        *most = -1;
    }
    return parts;
}

}  // namespace vantor
