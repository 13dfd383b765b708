#include "headless/HeaderPictures.h"

#include <cstdint>
#include <cstdlib>

#include "data/TextFile.h"

namespace vantor {
namespace {

constexpr std::size_t kHeaderBytes = 32;

std::uint32_t Byte(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | Byte(bytes, at + static_cast<std::size_t>(i));
    }
    return value;
}

std::uint32_t BigEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | Byte(bytes, at + i);
    }
    return value;
}

// Width and height, or 0 and 0 for a header of no known kind.
void ReadSize(const std::string& header, std::int64_t& width, std::int64_t& height) {
    if (header.size() >= 26 && header.starts_with("BM")) {
        const bool core = LittleEndian(header, 14, 4) == 12;  // the oldest, 16-bit header
        width = core ? LittleEndian(header, 18, 2)
                     : static_cast<std::int32_t>(LittleEndian(header, 18, 4));
        height = core ? LittleEndian(header, 20, 2)
                      : std::llabs(static_cast<std::int32_t>(LittleEndian(header, 22, 4)));
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
