#include "printing/MonoBitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "printing/BmpHeader.h"

namespace vantor {

namespace {

// The pixels of a BMP file, read where they lie.
class BmpPixels {
public:
    static std::optional<BmpPixels> Open(std::string_view bytes);
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Dark(int x, int y) const;

private:
    // Red, green and blue of the pixel, packed as 0xRRGGBB.
    std::uint32_t Colour(int x, int y) const;

    std::string_view bytes_;
    std::size_t pixels_ = 0;
    std::size_t palette_ = 0;
    std::size_t stride_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool bottomUp_ = true;
    int depth_ = 0;
};

std::optional<BmpPixels> BmpPixels::Open(std::string_view bytes) {
    // The oldest header (16-bit sizes, three-byte palette entries) is not read.
    const std::optional<BmpHeader> header = ReadBmpHeader(bytes);
    if (bytes.size() < 54 || !header || header->core) {
        return std::nullopt;
    }
    BmpPixels bmp;
    bmp.bytes_ = bytes;
    bmp.pixels_ = LittleEndian(bytes, 10, 4);
    bmp.palette_ = 14 + LittleEndian(bytes, 14, 4);
    bmp.bottomUp_ = header->bottomUp;
    bmp.depth_ = static_cast<int>(LittleEndian(bytes, 28, 2));
    const std::uint32_t compression = LittleEndian(bytes, 30, 4);
    const bool known = bmp.depth_ == 1 || bmp.depth_ == 4 || bmp.depth_ == 8 || bmp.depth_ == 24 ||
                       bmp.depth_ == 32;
    // Compression 3 (bit fields) is how 32-bit pictures usually say BGRA.
    if (!known || !(compression == 0 || (compression == 3 && bmp.depth_ == 32)) ||
        header->width <= 0 || header->height <= 0 || header->width > 10000 ||
        header->height > 10000) {
        return std::nullopt;
    }
    bmp.width_ = static_cast<int>(header->width);
    bmp.height_ = static_cast<int>(header->height);
    bmp.stride_ = (static_cast<std::size_t>(bmp.width_) * bmp.depth_ + 31) / 32 * 4;
    const std::size_t palette = bmp.depth_ <= 8 ? std::size_t{4} << bmp.depth_ : 0;
    if (bmp.pixels_ + bmp.stride_ * bmp.height_ > bytes.size() ||
        bmp.palette_ + palette > bytes.size()) {
        return std::nullopt;
    }
    return bmp;
}

std::uint32_t BmpPixels::Colour(int x, int y) const {
    const int row = bottomUp_ ? height_ - 1 - y : y;
    const std::size_t start = pixels_ + stride_ * static_cast<std::size_t>(row);
    if (depth_ >= 24) {
        return LittleEndian(bytes_, start + static_cast<std::size_t>(x) * (depth_ / 8), 3);
    }
    const std::size_t bit = static_cast<std::size_t>(x) * depth_;
    const auto byte = static_cast<unsigned char>(bytes_[start + bit / 8]);
    const unsigned index = (byte >> (8 - depth_ - bit % 8)) & ((1u << depth_) - 1);
    return LittleEndian(bytes_, palette_ + 4 * std::size_t{index}, 3);
}

bool BmpPixels::Dark(int x, int y) const {
    const std::uint32_t colour = Colour(x, y);
    const std::uint32_t luma =
        (299 * (colour >> 16 & 0xFF) + 587 * (colour >> 8 & 0xFF) + 114 * (colour & 0xFF)) / 1000;
    return luma < 128;
}

// The picture scaled to the width, keeping its proportions, each dot taking
// the nearest pixel.
template <class Source>
MonoBitmap ScaledTo(const Source& source, int sourceWidth, int sourceHeight, int width) {
    MonoBitmap bitmap;
    bitmap.width = width;
    bitmap.height = std::max(
        1, static_cast<int>(std::lround(static_cast<double>(width) * sourceHeight / sourceWidth)));
    bitmap.bits.assign(
        static_cast<std::size_t>(bitmap.RowBytes()) * static_cast<std::size_t>(bitmap.height), 0);
    for (int y = 0; y < bitmap.height; ++y) {
        const int sourceY = static_cast<int>(static_cast<long>(y) * sourceHeight / bitmap.height);
        for (int x = 0; x < width; ++x) {
            const int sourceX = static_cast<int>(static_cast<long>(x) * sourceWidth / width);
            if (source.Dark(sourceX, sourceY)) {
                bitmap.bits[static_cast<std::size_t>(y * bitmap.RowBytes() + x / 8)] |=
                    static_cast<unsigned char>(0x80 >> (x % 8));
            }
        }
    }
    return bitmap;
}

}  // namespace

bool MonoBitmap::Dark(int x, int y) const {
    const unsigned char byte = bits[static_cast<std::size_t>(y * RowBytes() + x / 8)];
    return (byte >> (7 - x % 8) & 1) != 0;
}

std::optional<MonoBitmap> ReadBmp(std::string_view bytes, int width) {
    const std::optional<BmpPixels> bmp = BmpPixels::Open(bytes);
    if (!bmp || width <= 0) {
        return std::nullopt;
    }
    return ScaledTo(*bmp, bmp->Width(), bmp->Height(), width);
}

MonoBitmap Scaled(const MonoBitmap& bitmap, int width) {
    return ScaledTo(bitmap, bitmap.width, bitmap.height, width);
}

}  // namespace vantor
