#include "headless/HeaderPictures.h"

#include <cstdint>

#include "data/TextFile.h"
#include "printing/BmpHeader.h"

namespace vantor {
namespace {

constexpr std::size_t kHeaderBytes = 32;

std::uint32_t BigEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// Width and height, or 0 and 0 for a header of no known kind.
void ReadSize(const std::string& header, std::int64_t& width, std::int64_t& height) {
    if (const std::optional<BmpHeader> bmp = ReadBmpHeader(header)) {
        width = bmp->width;
        height = bmp->height;
    } else if (header.size() >= 24 && header.starts_with("\x89PNG\r\n\x1a\n") &&
               header.compare(12, 4, "IHDR") == 0) {
        width = BigEndian32(header, 16);
        height = BigEndian32(header, 20);
    } else if (header.size() >= 10 &&
               (header.starts_with("GIF87a") || header.starts_with("GIF89a"))) {
        width = LittleEndian(header, 6, 2);
        height = LittleEndian(header, 8, 2);
    }
}

}  // namespace

Picture HeaderPictures::Load(const std::string& path) {
    Picture picture;
    picture.path = path;
    std::string header;
    try {
        header = ReadRange(path, 0, kHeaderBytes);
    } catch (const FileError&) {
        return picture;
    }
    std::int64_t width = 0;
    std::int64_t height = 0;
    ReadSize(header, width, height);
    if (width > 0 && height > 0 && width <= INT32_MAX && height <= INT32_MAX) {
        picture.width = static_cast<int>(width);
        picture.height = static_cast<int>(height);
    }
    return picture;
}

}  // namespace vantor
