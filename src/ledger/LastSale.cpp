#include "ledger/LastSale.h"

#include <string_view>

#include "data/TextFile.h"
#include "ledger/ChainEntry.h"

namespace vantor {

namespace {

constexpr std::uint64_t kLastSaleChunk = 64 * 1024;

// The receipt number of the last sale entry among whole lines, from the last.
std::optional<std::int64_t> LastSaleIn(std::string_view lines) {
    std::size_t end = lines.size();
    while (end > 0) {
        const std::size_t start = lines.rfind('\n', end - 1);
        const std::size_t from = start == std::string_view::npos ? 0 : start + 1;
        std::string_view line = lines.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::optional<ChainEntry> entry = ParseEntry(line);
        // A sale's lines announce its number too: their entry may be all a
        // crash left of the sale.
        if (entry && (entry->kind == EntryKind::Sale || entry->kind == EntryKind::Lines)) {
            return entry->ref;
        }
        end = start == std::string_view::npos ? 0 : start;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::int64_t> LastSaleReceipt(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kChainFile);
    std::uint64_t end = FileSize(path);
    std::string rest;  // the end of a line that starts in the chunk before
    while (end > 0) {
        const std::uint64_t from = end > kLastSaleChunk ? end - kLastSaleChunk : 0;
        std::string bytes = ReadRange(path, from, static_cast<std::size_t>(end - from)) + rest;
        // Before the first line end is a line cut by the chunk, unless the file starts there.
        const std::size_t first = from == 0 ? 0 : bytes.find('\n');
        if (first == std::string::npos) {
            rest = std::move(bytes);
        } else {
            const std::size_t whole = from == 0 ? 0 : first + 1;
            if (std::optional<std::int64_t> found =
                    LastSaleIn(std::string_view(bytes).substr(whole))) {
                return found;
            }
            rest = bytes.substr(0, whole);
        }
        end = from;
    }
    return std::nullopt;
}

}  // namespace vantor
