// Writing a signed archive: the records of the period, taken whole entry by
// entry of the chain, so that each can be checked against it.
#include "ledger/Archive.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "data/Dates.h"
#include "data/TextFile.h"
#include "ledger/ArchiveFormat.h"
#include "ledger/Ed25519.h"
#include "ledger/Hex.h"
#include "ledger/Sha256.h"
#include "ledger/Tar.h"
#include "ledger/Verify.h"

namespace vantor {

namespace {

// The bytes of a data file that a member holds, and where they come from.
struct Selection {
    std::string bytes;
    ByteRanges ranges;

    void Add(std::string_view from, std::uint64_t start, std::uint64_t end) {
        bytes.append(from.substr(start, end - start));
        if (!ranges.empty() && ranges.back().second == start) {
            ranges.back().second = end;
        } else {
            ranges.emplace_back(start, end);
        }
    }
};

// The records of the period: an entry of the chain whole when its first
// line is dated in it; of the content taken in when the chain was started,
// which no entry splits, each line dated in it.
Selection OfPeriod(const std::string& dataPath, const char* file,
                   const std::vector<ChainEntry>& entries, const Date& du, const Date& au) {
    const std::string path = JoinPath(dataPath, file);
    const std::string bytes = FileExists(path) ? ReadBytes(path) : "";
    const std::set<std::uint64_t> givenUp = GivenUpEntries(entries);
    Selection selection;
    for (const ChainEntry& entry : entries) {
        if (entry.file != file || entry.kind == EntryKind::Interrupted ||
            givenUp.count(entry.seq) != 0 || entry.end > bytes.size()) {
            continue;  // not this file's, or not (yet) in it
        }
        for (std::uint64_t start = entry.start; start < entry.end;) {
            const std::size_t lineEnd = bytes.find('\n', start);
            const std::uint64_t end = lineEnd == std::string::npos
                                          ? entry.end
                                          : std::min<std::uint64_t>(lineEnd + 1, entry.end);
            const bool whole = entry.kind != EntryKind::Adoption;
            if (LineInPeriod(file, std::string_view(bytes).substr(start, end - start), du, au)) {
                selection.Add(bytes, start, whole ? entry.end : end);
            }
            start = whole ? entry.end : end;
        }
    }
    return selection;
}

// The chain as it stands, its complete lines only.
std::string ChainText(const std::string& dataPath, std::vector<ChainEntry>& entries) {
    const std::string path = JoinPath(dataPath, kChainFile);
    std::string text = FileExists(path) ? ReadBytes(path) : "";
    text.resize(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
    std::uint64_t line = 0;
    std::optional<std::vector<ChainEntry>> parsed = ParseChain(text, line);
    if (!parsed) {
        throw std::runtime_error("ligne " + std::to_string(line) + " de " + kChainFile +
                                 " illisible");
    }
    entries = std::move(*parsed);
    return text;
}

}  // namespace

std::uint64_t WriteArchive(const std::string& dataPath, const Date& du, const Date& au,
                           const std::string& out) {
    const LedgerCheck check = VerifyLedger(dataPath);
    if (!check.intact) {
        throw std::runtime_error("le journal est altéré (" + check.problem +
                                 ") ; une archive signée attesterait des données altérées");
    }
    std::vector<ChainEntry> entries;
    const std::string chain = ChainText(dataPath, entries);
    if (entries.empty()) {
        throw std::runtime_error("le journal n'a encore aucune écriture");
    }
    const std::string key = LoadOrCreateArchiveKey(dataPath);
    std::vector<TarMember> members;
    std::string ranges;
    for (const char* file : kArchivedDataFiles) {
        Selection selection = OfPeriod(dataPath, file, entries, du, au);
        members.push_back({file, std::move(selection.bytes)});
        ranges += std::string("plages;") + file + ";" + FormatRanges(selection.ranges) + "\n";
    }
    members.push_back({kChainFile, chain});
    std::string manifest = "periode;" + FormatDate(du) + ";" + FormatDate(au) + "\n" + "cle;" +
                           ToHex(ed25519::PublicKey(key)) + "\n";
    for (const TarMember& member : members) {
        manifest += "fichier;" + member.name + ";" + std::to_string(member.bytes.size()) + ";" +
                    Sha256Hex(member.bytes) + "\n";
    }
    manifest += ranges;
    const std::string signature = ToHex(ed25519::Sign(key, manifest)) + "\n";
    const auto records = static_cast<std::uint64_t>(
        std::count(members[0].bytes.begin(), members[0].bytes.end(), '\n'));
    members.push_back({kManifestFile, manifest});
    members.push_back({kSignatureFile, signature});
    RemoveLeftoverTemporariesOf(out);  // of an earlier archive of that name, killed
    WriteFileAtomic(out, WriteTar(members));
    return records;
}

}  // namespace vantor
