#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/TextFile.h"
#include "platform/FileSystem.h"

namespace vantor {

// A file appended to durably, opened once for what a writer first reads of
// it (its size, its last bytes) and for the bytes it then appends: one path
// lookup instead of one per step. Created when missing. Throws FileError,
// naming the file and the reason.
class DurableAppendFile {
public:
    explicit DurableAppendFile(const std::string& path);

    std::uint64_t Size() const;
    // At most count bytes from offset on ("" past the end).
    std::string ReadRange(std::uint64_t offset, std::size_t count) const;
    // The file does not end with a line end (a cut line): the next record
    // must not be glued onto it. False for an empty file.
    bool EndsInsideALine() const;
    // Appends the bytes with one write, flushed to disk. When anything fails
    // the file is cut back to its size before and FileError is thrown: the
    // bytes are in the file whole or not at all.
    void Append(std::string_view bytes) const;

private:
    std::string path_;
    File file_;
};

// The same for one append.
void AppendFileDurable(const std::string& path, std::string_view bytes);
// Cuts the file to size bytes and flushes it to disk.
void CutFileDurable(const std::string& path, std::uint64_t size);

}  // namespace vantor
