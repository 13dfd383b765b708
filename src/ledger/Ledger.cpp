#include "ledger/Ledger.h"

#include "data/DurableAppend.h"
#include "data/TextFile.h"
#include "ledger/SaleLines.h"

namespace vantor {

namespace {

// A chain line is about 110 bytes: the last complete one is in this tail.
constexpr std::uint64_t kTail = 4096;

// The end of tickets.chain: its last complete entry, and where a line left
// half written by a crash starts (completeSize < size).
struct ChainTail {
    std::optional<ChainEntry> last;
    std::uint64_t lastStart = 0;  // where the last complete line starts
    std::uint64_t completeSize = 0;
    std::uint64_t size = 0;
};

// The tail of a chain of size bytes, whose bytes read(from, count) gives.
template <typename Read>
ChainTail ReadChainTail(std::uint64_t size, const Read& read) {
    ChainTail tail;
    tail.size = size;
    tail.completeSize = tail.size;
    if (tail.size == 0) {
        return tail;
    }
    const std::uint64_t from = tail.size > kTail ? tail.size - kTail : 0;
    const std::string bytes = read(from, static_cast<std::size_t>(tail.size - from));
    const std::size_t lastEnd = bytes.rfind('\n');
    if (lastEnd == std::string::npos) {
        if (from == 0) {
            tail.completeSize = 0;
        }
        return tail;
    }
    tail.completeSize = from + lastEnd + 1;
    const std::size_t before = lastEnd == 0 ? std::string::npos : bytes.rfind('\n', lastEnd - 1);
    const std::size_t start = before == std::string::npos ? 0 : before + 1;
    tail.lastStart = from + start;
    std::string_view line(bytes.data() + start, lastEnd - start);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    tail.last = ParseEntry(line);
    return tail;
}

ChainTail ReadChainTail(const std::string& path) {
    return ReadChainTail(FileSize(path), [&](std::uint64_t from, std::size_t count) {
        return ReadRange(path, from, count);
    });
}

// The same through the chain opened to be appended to.
ChainTail ReadChainTail(const DurableAppendFile& chain) {
    return ReadChainTail(chain.Size(), [&](std::uint64_t from, std::size_t count) {
        return chain.ReadRange(from, count);
    });
}

// A crash (or a failed write) left the chain's end unfinished.
bool LeftUnsettled(const std::string& dataPath, const ChainTail& tail) {
    if (tail.completeSize < tail.size) {
        return true;
    }
    const std::optional<ChainEntry>& last = tail.last;
    if (last && last->kind == EntryKind::Interrupted) {
        return LinesLeftOpen(JoinPath(dataPath, kChainFile), *last, tail.lastStart).has_value();
    }
    return last && IsChainedFile(last->file) &&
           FileSize(JoinPath(dataPath, last->file)) < last->end;
}

void AppendEntry(const DurableAppendFile& chain, const ChainEntry& entry) {
    chain.Append(FormatEntry(entry) + "\r\n");
}

}  // namespace

void KeepCutBytes(const std::string& dataPath, const std::string& file, std::uint64_t offset,
                  const std::string& bytes) {
    std::string kept = EncodeLines(
        {"Octets retirés de " + file + " à partir de l'octet " + std::to_string(offset) + " :"});
    kept += bytes;
    if (bytes.empty() || bytes.back() != '\n') {
        kept += "\r\n";
    }
    AppendFileDurable(JoinPath(dataPath, kRecoveryFile), kept);
}

ChainEntryFound LastEntryBefore(const std::string& chainPath, std::uint64_t before,
                                const std::string& file) {
    ChainEntryFound found;
    ForEachLineBackward(chainPath, before, [&](std::string_view line, std::uint64_t start, bool) {
        std::optional<ChainEntry> entry = ParseEntry(line);
        if (!entry) {
            found.readable = false;
            return true;
        }
        if (entry->file == file) {
            found.entry = std::move(entry);
            found.lineStart = start;
            return true;
        }
        return false;
    });
    return found;
}

std::uint64_t FileEndAfter(const ChainEntry& entry) {
    return entry.kind == EntryKind::Interrupted ? entry.start : entry.end;
}

bool LeftByACrash(const ChainEntry& last, std::uint64_t previousEnd, std::uint64_t fileSize) {
    return last.kind != EntryKind::Adoption && last.kind != EntryKind::Interrupted &&
           last.start == previousEnd && last.end - last.start <= kLongestChainedWrite &&
           fileSize >= last.start && fileSize < last.end;
}

std::optional<std::uint64_t> CompleteEnd(const std::string& dataPath, const std::string& file) {
    const std::string chainPath = JoinPath(dataPath, kChainFile);
    const ChainEntryFound found =
        LastEntryBefore(chainPath, ReadChainTail(chainPath).completeSize, file);
    if (!found.readable || !found.entry) {
        return std::nullopt;
    }
    const ChainEntry& last = *found.entry;
    const std::uint64_t size = FileSize(JoinPath(dataPath, file));
    if (last.kind == EntryKind::Interrupted || size >= last.end) {
        return FileEndAfter(last);
    }
    const ChainEntryFound previous = LastEntryBefore(chainPath, found.lineStart, file);
    if (previous.readable &&
        LeftByACrash(last, previous.entry ? FileEndAfter(*previous.entry) : 0, size)) {
        return last.start;  // being written, or cut by a crash
    }
    return std::nullopt;
}

std::optional<ChainEntry> LastChainEntry(const std::string& dataPath) {
    return ReadChainTail(JoinPath(dataPath, kChainFile)).last;
}

Interruption CutEntry(std::string_view line) {
    Interruption cut{EntryKind::Interrupted, 0, kChainFile, line.size()};
    const std::size_t kind = line.find(';');
    const std::size_t ref = kind == std::string_view::npos ? kind : line.find(';', kind + 1);
    const std::size_t refEnd = ref == std::string_view::npos ? ref : line.find(';', ref + 1);
    if (refEnd != std::string_view::npos && ref == kind + 2) {
        const std::optional<ChainEntry> probe =
            ParseEntry(std::string(line.substr(0, refEnd)) + ";f;0;0;" + kChainOrigin);
        if (probe) {
            cut.kind = probe->kind;
            cut.ref = probe->ref;
        }
    }
    return cut;
}

void AppendChained(const std::string& dataPath, const std::string& file, EntryKind kind,
                   std::int64_t ref, const std::vector<std::string>& lines) {
    ChainedAppend(dataPath, file, kind, ref, lines).Finish();
}

// The chain and the data file are each opened once for all their steps.
ChainedAppend::ChainedAppend(const std::string& dataPath, const std::string& file, EntryKind kind,
                             std::int64_t ref, const std::vector<std::string>& lines)
    : ChainedAppend(dataPath, {ChainedPart{file, kind, ref, lines}}) {}

ChainedAppend::ChainedAppend(const std::string& dataPath, const std::vector<ChainedPart>& parts)
    : dataPath_(dataPath) {
    const DurableAppendFile chain(JoinPath(dataPath, kChainFile));
    ChainTail tail = ReadChainTail(chain);
    if (LeftUnsettled(dataPath, tail)) {
        SettleInterruptedWrite(dataPath);
        tail = ReadChainTail(chain);
    }
    // An unreadable last entry gets a successor numbered 0: the check stops there.
    std::uint64_t seq = tail.last ? tail.last->seq + 1 : (tail.size == 0 ? 1 : 0);
    std::string previous = tail.last ? tail.last->hash : kChainOrigin;
    std::string entries;
    writes_.reserve(parts.size());
    for (const ChainedPart& part : parts) {
        const std::string path = JoinPath(dataPath, part.file);
        Write& write = writes_.emplace_back();
        write.file.emplace(path);
        write.bytes = write.file->EndsInsideALine() ? "\r\n" : "";
        write.bytes += EncodeLines(part.lines);
        if (write.bytes.size() > kLongestChainedWrite) {
            open_ = false;
            throw FileError("Écriture refusée '" + path +
                            "' : " + std::to_string(write.bytes.size()) +
                            " octets en une fois, plus qu'une vente ne peut en contenir");
        }
        write.entry = {seq == 0 ? 0 : seq++,
                       part.kind,
                       part.ref,
                       part.file,
                       write.file->Size(),
                       write.file->Size() + write.bytes.size(),
                       ""};
        write.entry.end = write.entry.start + write.bytes.size();
        write.entry.hash = EntryHash(previous, write.entry, write.bytes);
        previous = write.entry.hash;
        entries += FormatEntry(write.entry) + "\r\n";
    }
    try {
        chain.Append(entries);
    } catch (const FileError&) {
        open_ = false;  // nothing announced
        throw;
    }
}

ChainedAppend::~ChainedAppend() {
    GiveUp();
}

void ChainedAppend::Finish() {
    open_ = false;
    std::size_t written = 0;
    try {
        for (; written < writes_.size(); ++written) {
            writes_[written].file->Append(writes_[written].bytes);
        }
    } catch (const FileError&) {
        // The parts already written go as the failed one did: these bytes
        // were never recorded, nothing to keep.
        try {
            for (std::size_t i = 0; i < written; ++i) {
                CutFileDurable(JoinPath(dataPath_, writes_[i].entry.file), writes_[i].entry.start);
            }
        } catch (const FileError&) {
            // The settling below, or the next start, cuts them and keeps them.
        }
        open_ = true;
        GiveUp();
        throw;
    }
}

void ChainedAppend::GiveUp() noexcept {
    if (!open_) {
        return;
    }
    open_ = false;
    try {
        SettleInterruptedWrite(dataPath_);
    } catch (...) {
        // The next write, or the next start, settles it.
    }
}

namespace {

// The sale of a pair given up, its lines not yet (a start killed between the
// two marks): the lines are cut back (again) and given up.
std::optional<Interruption> GiveUpLinesLeftOpen(const std::string& dataPath, const ChainEntry& last,
                                                std::uint64_t lastStart) {
    const std::optional<ChainEntryAt> lines =
        LinesLeftOpen(JoinPath(dataPath, kChainFile), last, lastStart);
    if (!lines || !LinesCutByACrash(dataPath, *lines)) {
        return std::nullopt;
    }
    const std::uint64_t cut = CutLinesBack(dataPath, lines->entry);
    AppendChainEntry(dataPath,
                     GivingUp(lines->entry, lines->entry.start + cut, last.hash, last.seq + 1));
    return Interruption{EntryKind::Sale, lines->entry.ref, kJournalFile, cut};
}

}  // namespace

std::optional<Interruption> SettleInterruptedWrite(const std::string& dataPath) {
    const std::string chainPath = JoinPath(dataPath, kChainFile);
    const ChainTail tail = ReadChainTail(chainPath);
    if (tail.completeSize < tail.size) {
        // The data file was not written for a cut chain line.
        const std::string line =
            ReadRange(chainPath, tail.completeSize, tail.size - tail.completeSize);
        KeepCutBytes(dataPath, kChainFile, tail.completeSize, line);
        CutFileDurable(chainPath, tail.completeSize);
        Interruption cut = CutEntry(line);
        if (cut.kind == EntryKind::Sale) {
            // The sale's lines, announced in the same write, were not written either.
            if (const std::optional<Interruption> lines = SettleInterruptedWrite(dataPath)) {
                cut.cutBytes += lines->cutBytes;
            }
        }
        return cut;
    }
    if (tail.last && tail.last->kind == EntryKind::Interrupted) {
        return GiveUpLinesLeftOpen(dataPath, *tail.last, tail.lastStart);
    }
    if (!tail.last || !IsChainedFile(tail.last->file)) {
        return std::nullopt;
    }
    const ChainEntry& last = *tail.last;
    const std::string path = JoinPath(dataPath, last.file);
    const std::uint64_t size = FileSize(path);
    if (size >= last.end) {
        return std::nullopt;  // whole
    }
    const ChainEntryFound previous = LastEntryBefore(chainPath, tail.lastStart, last.file);
    const std::optional<ChainEntryAt> lines = LinesOfSale(chainPath, tail.lastStart, last);
    if (!previous.readable ||
        !LeftByACrash(last, previous.entry ? FileEndAfter(*previous.entry) : 0, size) ||
        (lines && !LinesCutByACrash(dataPath, *lines))) {
        return std::nullopt;  // not what a crash leaves: an alteration, which the check tells
    }
    // The sale's lines first: a kill from here on leaves the sale open, cut again.
    const std::uint64_t linesCut = lines ? CutLinesBack(dataPath, lines->entry) : 0;
    const std::string cut = ReadRange(path, last.start, size - last.start);
    if (!cut.empty()) {
        KeepCutBytes(dataPath, last.file, last.start, cut);
        CutFileDurable(path, last.start);
    }
    const ChainEntry mark = GivingUp(last, size, last.hash, last.seq + 1);
    std::string marks = FormatEntry(mark) + "\r\n";
    if (lines) {
        // Both marks in one write; a kill inside it leaves the sale's, and
        // the next start adds the lines' (GiveUpLinesLeftOpen).
        marks += FormatEntry(GivingUp(lines->entry, lines->entry.start + linesCut, mark.hash,
                                      mark.seq + 1)) +
                 "\r\n";
    }
    AppendFileDurable(chainPath, marks);
    return Interruption{last.kind, last.ref, last.file, cut.size() + linesCut};
}

void AppendChainEntry(const std::string& dataPath, const ChainEntry& entry) {
    AppendEntry(DurableAppendFile(JoinPath(dataPath, kChainFile)), entry);
}

bool IsChainedFile(const std::string& file) {
    return file == kJournalFile || file == kEventFile || file == kClosureFile || file == kLinesFile;
}

}  // namespace vantor
