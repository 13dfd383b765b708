#include "ledger/ArchiveFormat.h"

#include <charconv>

#include "data/Dates.h"

namespace vantor {

namespace {

std::optional<Date> DateField(std::string_view line, std::size_t field) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < field; ++i) {
        start = line.find(';', start);
        if (start == std::string_view::npos) {
            return std::nullopt;
        }
        ++start;
    }
    return ParseDate(std::string(line.substr(start, 10)));
}

bool ReadOffset(std::string_view text, std::uint64_t& number) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, number);
    return !text.empty() && error == std::errc() && stop == end;
}

}  // namespace

std::string FormatRanges(const ByteRanges& ranges) {
    std::string text;
    for (const auto& [first, end] : ranges) {
        text += (text.empty() ? "" : ",") + std::to_string(first) + "-" + std::to_string(end);
    }
    return text;
}

std::optional<ByteRanges> ParseRanges(std::string_view text) {
    ByteRanges ranges;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t comma = text.find(',', start);
        comma = comma == std::string_view::npos ? text.size() : comma;
        const std::string_view range = text.substr(start, comma - start);
        const std::size_t dash = range.find('-');
        std::uint64_t first = 0;
        std::uint64_t end = 0;
        if (dash == std::string_view::npos || !ReadOffset(range.substr(0, dash), first) ||
            !ReadOffset(range.substr(dash + 1), end) || end <= first ||
            (!ranges.empty() && first <= ranges.back().second)) {
            return std::nullopt;
        }
        ranges.emplace_back(first, end);
        start = comma + 1;
    }
    return ranges;
}

bool LineInPeriod(const std::string& file, std::string_view line, const Date& du, const Date& au) {
    const auto in = [&](std::size_t field) {
        const std::optional<Date> date = DateField(line, field);
        return date && du <= *date && *date <= au;
    };
    if (file == kClosureFile) {
        return in(1) && in(2);
    }
    return in(file == kLinesFile ? 1 : 0);
}

}  // namespace vantor
