// The journal file read as a stream of bytes: each part of it by one thread,
// in chunks into a buffer of its own, whole lines at a time.

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

#include "data/TextFile.h"
#include "ledger/Ledger.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "reports/JournalScan.h"
#include "reports/JournalScanner.h"

namespace vantor {

namespace {

// The journal open for reading; every failure is a FileError.
class JournalFile {
public:
    explicit JournalFile(const std::string& path) : path_(path) {
        Check(file_.Open(path, FileSystem::Mode::Read));
    }

    std::uint64_t Size() const {
        std::uint64_t size = 0;
        Check(file_.Size(size));
        return size;
    }

    // Up to size bytes at offset into buffer; 0 at the end of the file.
    std::size_t Read(char* buffer, std::size_t size, std::uint64_t offset) const {
        std::size_t got = 0;
        Check(file_.ReadAt(buffer, size, offset, got));
        return got;
    }

private:
    void Check(int error) const {
        if (error != 0) {
            throw SystemError("Lecture impossible", path_, error);
        }
    }

    std::string path_;
    File file_;
};

// The start of the first line that begins at offset or after it.
std::uint64_t LineStartFrom(const JournalFile& file, std::uint64_t offset, std::uint64_t size) {
    if (offset == 0) {
        return 0;
    }
    char block[4096];
    for (std::uint64_t at = offset - 1; at < size;) {
        const std::size_t got = file.Read(block, sizeof block, at);
        if (got == 0) {
            break;
        }
        if (const void* found = std::memchr(block, '\n', got)) {
            return at + static_cast<std::uint64_t>(static_cast<const char*>(found) - block) + 1;
        }
        at += got;
    }
    return size;
}

// Drops the bytes up to the end of a line being skipped; false while the
// whole chunk belongs to it.
bool SkipToLineEnd(std::vector<char>& buffer, std::size_t& got) {
    const void* found = std::memchr(buffer.data(), '\n', got);
    if (found == nullptr) {
        return false;
    }
    const std::size_t rest =
        got - static_cast<std::size_t>(static_cast<const char*>(found) - buffer.data()) - 1;
    std::memmove(buffer.data(), buffer.data() + (got - rest), rest);
    got = rest;
    return true;
}

JournalSums ScanRange(const JournalFile& file, std::uint64_t from, std::uint64_t to,
                      const ScanRequest& request, std::size_t chunkBytes) {
    JournalScanner scanner(request);
    std::vector<char> buffer(std::max<std::size_t>(chunkBytes, 1));
    std::size_t kept = 0;   // the start of a line that the next chunk ends
    bool skipping = false;  // inside a line too long to be a record
    for (std::uint64_t at = from; at < to;) {
        if (kept == buffer.size() && kept > kLongestLine) {
            scanner.CountLongLine();  // never held whole, whatever its length
            skipping = true;
            kept = 0;
        } else if (kept == buffer.size()) {
            buffer.resize(buffer.size() * 2);  // a line longer than the buffer
        }
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size() - kept, to - at));
        std::size_t got = file.Read(buffer.data() + kept, wanted, at);
        if (got == 0) {
            break;  // the file is shorter than when it was opened
        }
        at += got;
        if (skipping) {
            skipping = !SkipToLineEnd(buffer, got);
            if (skipping) {
                continue;
            }
        }
        const std::string_view bytes(buffer.data(), kept + got);
        const std::size_t lastLineEnd = bytes.rfind('\n');
        const std::size_t whole = at >= to                                ? bytes.size()
                                  : lastLineEnd == std::string_view::npos ? 0
                                                                          : lastLineEnd + 1;
        scanner.Read(bytes.substr(0, whole));
        kept = bytes.size() - whole;
        std::memmove(buffer.data(), buffer.data() + whole, kept);
    }
    scanner.Read(std::string_view(buffer.data(), kept));
    return scanner.Result();
}

}  // namespace

JournalSums ScanJournalFile(const std::string& path, const ScanRequest& request, int parts,
                            std::size_t chunkBytes) {
    const std::filesystem::path where = ToPath(path);
    const std::optional<std::uint64_t> complete =
        CompleteEnd(FromPath(where.parent_path()), FromPath(where.filename()));
    const JournalFile file(path);
    const std::uint64_t size = std::min(file.Size(), complete.value_or(file.Size()));
    const std::size_t count = static_cast<std::size_t>(std::max(parts, 1));
    std::vector<std::uint64_t> bounds{0};
    for (std::size_t k = 1; k < count; ++k) {
        bounds.push_back(std::max(bounds.back(), LineStartFrom(file, size * k / count, size)));
    }
    bounds.push_back(size);
    return ScanInParts(count, [&](std::size_t k) {
        return ScanRange(file, bounds[k], bounds[k + 1], request, chunkBytes);
    });
}

}  // namespace vantor
