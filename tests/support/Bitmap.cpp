#include "support/Bitmap.h"

#include <cstdint>

namespace vantor::test {

namespace {

void Put(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

std::string Bitmap(int width, int height) {
    const std::uint32_t row = static_cast<std::uint32_t>((width + 31) / 32 * 4);
    const std::uint32_t pixels = row * static_cast<std::uint32_t>(height);
    const std::uint32_t offset = 14 + 40 + 2 * 4;
    std::string bytes = "BM";
    Put(bytes, offset + pixels, 4);
    Put(bytes, 0, 4);
    Put(bytes, offset, 4);
    Put(bytes, 40, 4);  // BITMAPINFOHEADER
    Put(bytes, static_cast<std::uint32_t>(width), 4);
    Put(bytes, static_cast<std::uint32_t>(height), 4);
    Put(bytes, 1, 2);  // planes
    Put(bytes, 1, 2);  // bits per pixel
    Put(bytes, 0, 4);  // no compression
    Put(bytes, pixels, 4);
    Put(bytes, 3780, 4);  // 96 dpi
    Put(bytes, 3780, 4);
    Put(bytes, 2, 4);
    Put(bytes, 0, 4);
    Put(bytes, 0x000000, 4);  // black
    Put(bytes, 0xFFFFFF, 4);  // white
    bytes.append(pixels, '\x55');
    return bytes;
}

}  // namespace vantor::test
