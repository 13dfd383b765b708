#pragma once

#include <cstdint>
#include <string>

#include "platform/Services.h"

namespace vantor {

// The largest logo or QR picture the till takes: a file of at most 16 MB, at
// most 5000 pixels a side, at most twice as high as wide and ten times as
// wide as high. Across a receipt (576 dots on 80 mm paper) a larger picture
// shows nothing more, and a longer one only costs paper and time.
inline constexpr std::uint64_t kMaxPictureBytes = 16 * 1024 * 1024;
inline constexpr int kMaxPictureSide = 5000;
inline constexpr int kMaxPictureTallness = 2;   // height over width
inline constexpr int kMaxPictureWideness = 10;  // width over height

struct LoadedPicture {
    Picture picture;      // not Loaded() when refused
    std::string refusal;  // why, in French ("L'image ... n'est pas utilisée : ..."); "" when taken
};

// The picture of the file as the receipts take it: its size as the platform
// reads it, checked against the limits above, and for a BMP its dots for a
// paper `dots` wide, made once, here. A BMP the till cannot read itself is
// refused; another kind of picture (PNG) is taken without dots, for the page
// printers.
LoadedPicture LoadReceiptPicture(Pictures& pictures, const std::string& path, int dots);

}  // namespace vantor
