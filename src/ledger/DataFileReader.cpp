#include "ledger/DataFileReader.h"

#include <algorithm>

#include "data/TextFile.h"
#include "ledger/Sha256.h"

namespace vantor {

namespace {

constexpr std::size_t kChunk = 1 << 20;

}  // namespace

DataFileReader::DataFileReader(const std::string& path)
    : in_(path, std::ios::binary), size_(FileSize(path)) {}

bool DataFileReader::Feed(std::uint64_t end, Sha256& hash) {
    while (offset_ < end) {
        if (bufferStart_ == bufferEnd_) {
            buffer_.resize(kChunk);
            in_.read(buffer_.data(), static_cast<std::streamsize>(kChunk));
            bufferStart_ = 0;
            bufferEnd_ = static_cast<std::size_t>(std::max<std::streamsize>(in_.gcount(), 0));
            if (bufferEnd_ == 0) {
                return false;
            }
        }
        const std::size_t take = static_cast<std::size_t>(
            std::min<std::uint64_t>(bufferEnd_ - bufferStart_, end - offset_));
        const char* first = buffer_.data() + bufferStart_;
        newlines_ += static_cast<std::uint64_t>(std::count(first, first + take, '\n'));
        hash.Update(std::string_view(first, take));
        bufferStart_ += take;
        offset_ += take;
    }
    return true;
}

}  // namespace vantor
