#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace vantor {

// A black and white picture as a receipt printer takes it: rows of bytes, the
// leftmost dot in the highest bit, 1 for a black dot.
struct MonoBitmap {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bits;

    int RowBytes() const { return (width + 7) / 8; }
    bool Dark(int x, int y) const;
};

// The BMP picture (uncompressed, 1, 4, 8, 24 or 32 bits a pixel) scaled to
// the width in dots, keeping its proportions; a pixel darker than mid-grey
// becomes a black dot. Nothing when the bytes are not such a picture.
std::optional<MonoBitmap> ReadBmp(std::string_view bytes, int width);
// The same picture at another width (width > 0), keeping its proportions.
MonoBitmap Scaled(const MonoBitmap& bitmap, int width);

}  // namespace vantor
