#include "data/TextFile.h"
#include "ledger/DataFileReader.h"
#include "ledger/Ledger.h"
#include "ledger/Sha256.h"

// The first chaining of a data folder written before the chain existed.

namespace vantor {

std::optional<std::uint64_t> AdoptUnchainedFiles(const std::string& dataPath, bool restarted) {
    if (FileSize(JoinPath(dataPath, kChainFile)) > 0) {
        return std::nullopt;
    }
    std::uint64_t records = 0;
    ChainEntry entry;
    entry.hash = kChainOrigin;
    // lignes.csv is only ever written under a chain: adopting it is a restart.
    for (const char* file : {kJournalFile, kEventFile, kClosureFile, kLinesFile}) {
        DataFileReader reader(JoinPath(dataPath, file));
        const bool markOnly = restarted && entry.seq == 0 && std::string_view(file) == kClosureFile;
        if (reader.Size() == 0 && !markOnly) {
            continue;
        }
        const std::string previous = entry.hash;
        entry = ChainEntry{
            entry.seq + 1, EntryKind::Adoption, restarted ? 1 : 0, file, 0, reader.Size(), ""};
        Sha256 hash;
        StartEntryHash(hash, previous, entry);
        reader.Feed(entry.end, hash);
        entry.hash = hash.Hex();
        AppendChainEntry(dataPath, entry);
        if (std::string_view(file) == kJournalFile) {
            records = reader.LinesRead();
        }
    }
    return records;
}

}  // namespace vantor
