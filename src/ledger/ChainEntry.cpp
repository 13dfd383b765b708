#include "ledger/ChainEntry.h"

#include <array>
#include <charconv>

#include "ledger/Sha256.h"

namespace vantor {

namespace {

// Cuts the line at its ";" into exactly count fields; false otherwise.
template <std::size_t count>
bool CutFields(std::string_view line, std::array<std::string_view, count>& fields) {
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const std::size_t end = line.find(';', start);
        if (end == std::string_view::npos) {
            return false;
        }
        fields[i] = line.substr(start, end - start);
        start = end + 1;
    }
    fields[count - 1] = line.substr(start);
    return fields[count - 1].find(';') == std::string_view::npos;
}

template <typename Number>
bool ReadNumber(std::string_view text, Number& number) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, number);
    return !text.empty() && error == std::errc() && stop == end;
}

bool IsKind(char letter) {
    return std::string_view("VMECAIL").find(letter) != std::string_view::npos;
}

// Only the length: a hash that is not lower-case hexadecimal can never equal
// a computed one, so the check stops at its entry all the same.
bool IsHash(std::string_view text) {
    return text.size() == kChainOrigin.size();
}

}  // namespace

std::string EntryFields(const ChainEntry& entry) {
    return std::to_string(entry.seq) + ';' + static_cast<char>(entry.kind) + ';' +
           std::to_string(entry.ref) + ';' + entry.file + ';' + std::to_string(entry.start) + ';' +
           std::to_string(entry.end);
}

std::string FormatEntry(const ChainEntry& entry) {
    return EntryFields(entry) + ';' + entry.hash;
}

std::optional<ChainEntry> ParseEntry(std::string_view line) {
    std::array<std::string_view, 7> fields;
    ChainEntry entry;
    if (!CutFields(line, fields) || fields[1].size() != 1 || !IsKind(fields[1][0]) ||
        !ReadNumber(fields[0], entry.seq) || !ReadNumber(fields[2], entry.ref) ||
        !ReadNumber(fields[4], entry.start) || !ReadNumber(fields[5], entry.end) ||
        entry.end < entry.start || fields[3].empty() || !IsHash(fields[6])) {
        return std::nullopt;
    }
    entry.kind = static_cast<EntryKind>(fields[1][0]);
    entry.file = fields[3];
    entry.hash = fields[6];
    return entry;
}

std::optional<std::vector<ChainEntry>> ParseChain(std::string_view text, std::uint64_t& line) {
    std::vector<ChainEntry> entries;
    line = 0;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
        ++line;
        std::string_view fields = text.substr(start, end - start);
        if (!fields.empty() && fields.back() == '\r') {
            fields.remove_suffix(1);
        }
        std::optional<ChainEntry> entry = ParseEntry(fields);
        if (!entry) {
            return std::nullopt;
        }
        entries.push_back(std::move(*entry));
    }
    return entries;
}

std::set<std::uint64_t> GivenUpEntries(const std::vector<ChainEntry>& entries) {
    std::set<std::uint64_t> givenUp;
    for (const ChainEntry& entry : entries) {
        if (entry.kind == EntryKind::Interrupted) {
            givenUp.insert(static_cast<std::uint64_t>(entry.ref));
        }
    }
    return givenUp;
}

void StartEntryHash(Sha256& hash, const std::string& previous, const ChainEntry& entry) {
    StartEntryHash(hash, previous, EntryFields(entry));
}

void StartEntryHash(Sha256& hash, std::string_view previous, std::string_view fields) {
    hash.Update(previous);
    hash.Update("\n");
    hash.Update(fields);
    hash.Update("\n");
}

std::string EntryHash(const std::string& previous, const ChainEntry& entry,
                      std::string_view bytes) {
    Sha256 hash;
    StartEntryHash(hash, previous, entry);
    hash.Update(bytes);
    return hash.Hex();
}

std::string ShortChainCode(std::uint64_t seq, std::string_view hash) {
    return std::to_string(seq) + ':' + std::string(hash.substr(0, 12));
}

}  // namespace vantor
