#pragma once

#include <string>
#include <vector>

namespace vantor {

// The modules of the QR code of a text (error correction level M, the text's
// UTF-8 bytes as 8-bit data), without the quiet zone.
class QrMatrix {
public:
    // Throws PrintError when the text cannot be encoded (too long).
    explicit QrMatrix(const std::string& text);

    // Modules per side.
    int Width() const { return width_; }
    bool Dark(int column, int row) const;

private:
    int width_ = 0;
    std::vector<bool> dark_;
};

}  // namespace vantor
