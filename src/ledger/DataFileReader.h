#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace vantor {

class Sha256;

// Reads a data file once from its start, in order, counting its lines: the
// chain is checked in one pass over each file. A missing file reads as empty.
class DataFileReader {
public:
    explicit DataFileReader(const std::string& path);

    std::uint64_t Offset() const { return offset_; }
    std::uint64_t Size() const { return size_; }
    // The line (from 1) that the next byte belongs to.
    std::uint64_t Line() const { return newlines_ + 1; }
    // The line ends read so far: the records of a line file.
    std::uint64_t LinesRead() const { return newlines_; }

    // Feeds the bytes from Offset() up to end into hash; false when the file
    // ends before end (the bytes there are fed all the same).
    bool Feed(std::uint64_t end, Sha256& hash);
    // The next line without its line end, valid until the next call; false at
    // the end of the file. ended tells whether it had its LF.
    bool NextLine(std::string_view& line, bool& ended);

private:
    // Reads the next chunk into the buffer; false at the end of the file.
    bool Refill();

    std::ifstream in_;
    std::uint64_t size_ = 0;
    std::uint64_t offset_ = 0;
    std::uint64_t newlines_ = 0;
    std::vector<char> buffer_;
    std::size_t bufferStart_ = 0;  // the unread bytes of buffer_
    std::size_t bufferEnd_ = 0;
    std::string spanning_;  // a line that runs over the end of the buffer
};

}  // namespace vantor
