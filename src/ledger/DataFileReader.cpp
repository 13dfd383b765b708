#include "ledger/DataFileReader.h"

#include <algorithm>
#include <cstring>

#include "data/TextFile.h"
#include "ledger/Sha256.h"
#include "platform/Paths.h"

namespace vantor {

namespace {

constexpr std::size_t kChunk = 1 << 20;

// Found with memchr rather than counted byte by byte: a large journal's
// check spends a good part of its time here.
std::uint64_t NewlinesIn(const char* bytes, std::size_t size) {
    std::uint64_t count = 0;
    for (const char* end = bytes + size;
         (bytes = static_cast<const char*>(
              std::memchr(bytes, '\n', static_cast<std::size_t>(end - bytes)))) != nullptr;
         ++bytes) {
        ++count;
    }
    return count;
}

}  // namespace

DataFileReader::DataFileReader(const std::string& path)
    : in_(ToPath(path), std::ios::binary), size_(FileSize(path)) {}

bool DataFileReader::Refill() {
    buffer_.resize(kChunk);
    in_.read(buffer_.data(), static_cast<std::streamsize>(kChunk));
    bufferStart_ = 0;
    bufferEnd_ = static_cast<std::size_t>(std::max<std::streamsize>(in_.gcount(), 0));
    return bufferEnd_ != 0;
}

bool DataFileReader::NextLine(std::string_view& line, bool& ended) {
    spanning_.clear();
    while (true) {
        if (bufferStart_ == bufferEnd_ && !Refill()) {
            line = spanning_;
            ended = false;
            return !spanning_.empty();
        }
        const char* first = buffer_.data() + bufferStart_;
        const char* last = buffer_.data() + bufferEnd_;
        const auto* found = static_cast<const char*>(
            std::memchr(first, '\n', static_cast<std::size_t>(last - first)));
        const char* end = found == nullptr ? last : found;
        const auto size = static_cast<std::size_t>(end - first);
        offset_ += size + (end == last ? 0 : 1);
        bufferStart_ += size + (end == last ? 0 : 1);
        if (end == last) {
            spanning_.append(first, size);
            continue;
        }
        ++newlines_;
        ended = true;
        if (spanning_.empty()) {
            line = std::string_view(first, size);
        } else {
            spanning_.append(first, size);
            line = spanning_;
        }
        return true;
    }
}

bool DataFileReader::Feed(std::uint64_t end, Sha256& hash) {
    while (offset_ < end) {
        if (bufferStart_ == bufferEnd_ && !Refill()) {
            return false;
        }
        const std::size_t take = static_cast<std::size_t>(
            std::min<std::uint64_t>(bufferEnd_ - bufferStart_, end - offset_));
        const char* first = buffer_.data() + bufferStart_;
        newlines_ += NewlinesIn(first, take);
        hash.Update(std::string_view(first, take));
        bufferStart_ += take;
        offset_ += take;
    }
    return true;
}

}  // namespace vantor
