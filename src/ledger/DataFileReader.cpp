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
    buffer_.resize(kChunk);
    while (offset_ < end && in_) {
        const auto wanted =
            static_cast<std::streamsize>(std::min<std::uint64_t>(kChunk, end - offset_));
        in_.read(buffer_.data(), wanted);
        const std::streamsize got = in_.gcount();
        if (got <= 0) {
            break;
        }
        const char* first = buffer_.data();
        newlines_ += static_cast<std::uint64_t>(std::count(first, first + got, '\n'));
        hash.Update(std::string_view(first, static_cast<std::size_t>(got)));
        offset_ += static_cast<std::uint64_t>(got);
    }
    return offset_ == end;
}

}  // namespace vantor
