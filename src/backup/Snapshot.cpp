#include "backup/Snapshot.h"

#include <algorithm>
#include <filesystem>

#include "data/TextFile.h"
#include "ledger/Ledger.h"
#include "ledger/SaleLines.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/Paths.h"

namespace vantor {

namespace {

namespace fs = std::filesystem;

bool AllAlphanumeric(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

// "<file>.tmpA1b2C3", "<file>.oldA1b2C3", ".vantor-probe-A1b2C3": what a
// rewrite or a probe leaves for a moment, never a data file.
bool IsPassingFile(const std::string& name) {
    if (name == kLockFile) {
        return true;
    }
    if (name.starts_with(kProbePrefix)) {
        return true;
    }
    constexpr std::size_t kSuffix = 10;  // ".tmp" and six characters
    if (name.size() <= kSuffix) {
        return false;
    }
    const std::string_view kind = std::string_view(name).substr(name.size() - kSuffix, 4);
    return (kind == ".tmp" || kind == ".old") &&
           AllAlphanumeric(std::string_view(name).substr(name.size() - 6));
}

// The chain's length up to the end of its last complete line.
std::uint64_t CompleteLinesLength(const std::string& chainPath) {
    std::uint64_t length = 0;
    ForEachLineBackward(chainPath, FileSize(chainPath),
                        [&](std::string_view line, std::uint64_t start, bool ended) {
                            if (ended) {
                                // The line is given without its CR LF (or lone LF).
                                const std::uint64_t end = start + line.size();
                                length = end + (ReadRange(chainPath, end, 1) == "\r" ? 2 : 1);
                            }
                            return ended;
                        });
    return length;
}

// The last line of the chain before length, parsed, with where it starts.
std::optional<ChainEntry> LastLine(const std::string& chainPath, std::uint64_t length,
                                   std::uint64_t& start) {
    std::optional<ChainEntry> entry;
    ForEachLineBackward(chainPath, length, [&](std::string_view line, std::uint64_t at, bool) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        entry = ParseEntry(line);
        start = at;
        return true;
    });
    return entry;
}

std::uint64_t ChainedLength(const std::string& dataPath, std::uint64_t chainLength,
                            const std::string& name) {
    const std::string path = JoinPath(dataPath, name);
    const ChainEntryFound found =
        LastEntryBefore(JoinPath(dataPath, kChainFile), chainLength, name);
    if (!found.readable || !found.entry) {
        return FileSize(path);  // no chain for it, or an altered one: the check tells
    }
    return std::min(FileSize(path), FileEndAfter(*found.entry));
}

void ListFolder(const fs::path& folder, const std::string& prefix, const std::string& skip,
                std::vector<std::string>& names) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = FromPath(entry.path().filename());
        if (entry.is_symlink() || (prefix.empty() && name == skip)) {
            continue;
        }
        if (entry.is_directory()) {
            ListFolder(entry.path(), prefix + name + "/", "", names);
        } else if (entry.is_regular_file() && !IsPassingFile(name)) {
            names.push_back(prefix + name);
        }
    }
}

}  // namespace

std::uint64_t CompleteChainLength(const std::string& dataPath) {
    const std::string chainPath = JoinPath(dataPath, kChainFile);
    std::uint64_t length = CompleteLinesLength(chainPath);
    std::uint64_t start = 0;
    const std::optional<ChainEntry> last = LastLine(chainPath, length, start);
    if (last && last->kind == EntryKind::Lines) {
        return start;  // its sale's entry is being written with it
    }
    if (last && last->kind != EntryKind::Interrupted &&
        FileSize(JoinPath(dataPath, last->file)) < last->end) {
        length = start;  // its write is under way: the copy ends before it
        // and before the lines announced with it, which go with its records
        if (const std::optional<ChainEntryAt> lines = LinesOfSale(chainPath, start, *last)) {
            length = lines->lineStart;
        }
    }
    return length;
}

std::vector<SnapshotFile> PlanSnapshot(const std::string& dataPath, const std::string& skip) {
    // The chain before the files it covers: whatever is appended after this
    // point lies beyond the lengths taken.
    const std::uint64_t chainLength = CompleteChainLength(dataPath);
    std::vector<std::string> names;
    try {
        ListFolder(ToPath(dataPath), "", skip, names);
    } catch (const fs::filesystem_error& error) {
        throw FileError("Lecture du dossier '" + dataPath +
                        "' impossible : " + SystemErrorText(error.code()));
    }
    std::sort(names.begin(), names.end());
    std::vector<SnapshotFile> files;
    for (const std::string& name : names) {
        const std::string path = JoinPath(dataPath, name);
        const std::uint64_t length = name == kChainFile ? chainLength
                                     : IsChainedFile(name)
                                         ? ChainedLength(dataPath, chainLength, name)
                                         : FileSize(path);
        files.push_back({name, length});
    }
    return files;
}

}  // namespace vantor
