#include "HistoryRewrite.h"

#include <algorithm>
#include <map>
#include <vector>

#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "support/TempDir.h"

namespace vantor::test {

namespace {

std::uint64_t LinesIn(const std::string& bytes, std::uint64_t start, std::uint64_t end) {
    return static_cast<std::uint64_t>(std::count(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                                                 bytes.begin() + static_cast<std::ptrdiff_t>(end),
                                                 '\n'));
}

// Where the line after `lines` lines from start ends.
std::uint64_t AfterLines(const std::string& bytes, std::uint64_t start, std::uint64_t lines) {
    std::uint64_t at = start;
    for (std::uint64_t i = 0; i < lines; ++i) {
        at = bytes.find('\n', at) + 1;
    }
    return at;
}

}  // namespace

void RewriteHistory(const std::string& dataPath, const std::function<void()>& change) {
    const std::string chainPath = JoinPath(dataPath, kChainFile);
    std::uint64_t unreadable = 0;
    const std::vector<ChainEntry> entries =
        ParseChain(Slurp(chainPath), unreadable).value_or(std::vector<ChainEntry>{});
    std::vector<std::uint64_t> lines;
    for (const ChainEntry& entry : entries) {
        lines.push_back(LinesIn(Slurp(JoinPath(dataPath, entry.file)), entry.start, entry.end));
    }
    change();
    std::map<std::string, std::uint64_t> next;
    std::string previous = kChainOrigin;
    std::string chain;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ChainEntry entry = entries[i];
        const std::string bytes = Slurp(JoinPath(dataPath, entry.file));
        entry.start = next[entry.file];
        entry.end = AfterLines(bytes, entry.start, lines[i]);
        next[entry.file] = entry.end;
        entry.hash = EntryHash(previous, entry, bytes.substr(entry.start, entry.end - entry.start));
        previous = entry.hash;
        chain += FormatEntry(entry) + "\r\n";
    }
    WriteRaw(chainPath, chain);
}

}  // namespace vantor::test
