#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantor {

// The size of a BMP picture as its file header gives it, for the headless
// pictures (the size alone) and the receipts' dots (MonoBitmap).
struct BmpHeader {
    std::int64_t width = 0;   // as stored: 0 or less in a broken file
    std::int64_t height = 0;  // the number of rows, whichever way they run
    bool bottomUp = true;     // the last row first, as most files store them
    bool core = false;        // the oldest header: 16-bit sizes, nothing else
};

// The header at the front of bytes ("BM" and at least 26 bytes), or nullopt.
std::optional<BmpHeader> ReadBmpHeader(std::string_view bytes);

// The number stored little-endian in count bytes (at most 4) from at.
std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, int count);

}  // namespace vantor
