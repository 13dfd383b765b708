#include "ledger/SaleLines.h"

#include "data/TextFile.h"
#include "ledger/Ledger.h"

namespace vantor {

std::optional<ChainEntryAt> EntryBefore(const std::string& chainPath, std::uint64_t lineStart) {
    std::optional<ChainEntryAt> found;
    ForEachLineBackward(chainPath, lineStart,
                        [&](std::string_view line, std::uint64_t start, bool) {
                            if (std::optional<ChainEntry> entry = ParseEntry(line)) {
                                found = ChainEntryAt{std::move(*entry), start};
                            }
                            return true;
                        });
    return found;
}

std::optional<ChainEntry> SaleEntryOf(const std::string& dataPath, std::int64_t numero) {
    const std::string chainPath = JoinPath(dataPath, kChainFile);
    std::optional<ChainEntry> found;
    if (!FileExists(chainPath)) {
        return found;
    }
    ForEachLineBackward(chainPath, FileSize(chainPath),
                        [&](std::string_view line, std::uint64_t, bool) {
                            std::optional<ChainEntry> entry = ParseEntry(line);
                            if (entry && entry->kind == EntryKind::Sale && entry->ref == numero &&
                                entry->file == kJournalFile) {
                                found = std::move(entry);
                            }
                            return found.has_value();
                        });
    return found;
}

std::optional<ChainEntryAt> LinesOfSale(const std::string& chainPath, std::uint64_t saleLineStart,
                                        const ChainEntry& sale) {
    if (sale.kind != EntryKind::Sale || sale.file != kJournalFile) {
        return std::nullopt;
    }
    std::optional<ChainEntryAt> before = EntryBefore(chainPath, saleLineStart);
    if (!before || before->entry.kind != EntryKind::Lines || before->entry.ref != sale.ref ||
        before->entry.file != kLinesFile || before->entry.seq + 1 != sale.seq) {
        return std::nullopt;
    }
    return before;
}

std::optional<ChainEntryAt> LinesLeftOpen(const std::string& chainPath, const ChainEntry& last,
                                          std::uint64_t lastStart) {
    if (last.kind != EntryKind::Interrupted || last.file != kJournalFile) {
        return std::nullopt;
    }
    const std::optional<ChainEntryAt> sale = EntryBefore(chainPath, lastStart);
    if (!sale || static_cast<std::int64_t>(sale->entry.seq) != last.ref) {
        return std::nullopt;
    }
    return LinesOfSale(chainPath, sale->lineStart, sale->entry);
}

bool LinesCutByACrash(const std::string& dataPath, const ChainEntryAt& lines) {
    const ChainEntryFound previous =
        LastEntryBefore(JoinPath(dataPath, kChainFile), lines.lineStart, kLinesFile);
    const std::uint64_t previousEnd = previous.entry ? FileEndAfter(*previous.entry) : 0;
    const std::uint64_t size = FileSize(JoinPath(dataPath, kLinesFile));
    const ChainEntry& entry = lines.entry;
    return previous.readable && entry.start == previousEnd &&
           entry.end - entry.start <= kLongestChainedWrite && size >= entry.start &&
           size <= entry.end;
}

std::uint64_t CutLinesBack(const std::string& dataPath, const ChainEntry& lines) {
    const std::string path = JoinPath(dataPath, kLinesFile);
    const std::uint64_t size = FileSize(path);
    if (size <= lines.start) {
        return 0;
    }
    KeepCutBytes(dataPath, kLinesFile, lines.start,
                 ReadRange(path, lines.start, size - lines.start));
    CutFileDurable(path, lines.start);
    return size - lines.start;
}

ChainEntry GivingUp(const ChainEntry& entry, std::uint64_t size, const std::string& previousHash,
                    std::uint64_t seq) {
    ChainEntry mark{seq,
                    EntryKind::Interrupted,
                    static_cast<std::int64_t>(entry.seq),
                    entry.file,
                    entry.start,
                    size,
                    ""};
    mark.hash = EntryHash(previousHash, mark, "");
    return mark;
}

}  // namespace vantor
