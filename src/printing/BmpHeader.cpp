#include "printing/BmpHeader.h"

#include <cstdlib>

namespace vantor {

namespace {

constexpr std::size_t kLeastHeader = 26;  // the oldest header, complete
constexpr std::uint32_t kCoreHeaderSize = 12;

}  // namespace

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

std::optional<BmpHeader> ReadBmpHeader(std::string_view bytes) {
    if (bytes.size() < kLeastHeader || !bytes.starts_with("BM")) {
        return std::nullopt;
    }
    BmpHeader header;
    header.core = LittleEndian(bytes, 14, 4) == kCoreHeaderSize;
    if (header.core) {
        header.width = LittleEndian(bytes, 18, 2);
        header.height = LittleEndian(bytes, 20, 2);
        return header;
    }
    // A negative height says the rows run from the top down.
    const auto height = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
    header.width = static_cast<std::int32_t>(LittleEndian(bytes, 18, 4));
    header.height = std::llabs(height);
    header.bottomUp = height > 0;
    return header;
}

}  // namespace vantor
