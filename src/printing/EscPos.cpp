#include "printing/EscPos.h"

#include <algorithm>

#include "data/Cp1252.h"

namespace vantor::escpos {

namespace {

constexpr char ESC = '\x1B';
constexpr char GS = '\x1D';

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values) {
        bytes += static_cast<char>(value);
    }
    return bytes;
}

// GS ( k with function fn of symbol type 49 (QR code) and its parameters.
std::string QrFunction(int fn, std::string_view parameters) {
    const std::size_t length = parameters.size() + 2;
    std::string bytes = Bytes(
        {GS, '(', 'k', static_cast<int>(length & 0xFF), static_cast<int>(length >> 8), 49, fn});
    bytes += parameters;
    return bytes;
}

bool Printable(unsigned char byte) {
    if (byte < 0x20 || byte == 0x7F) {
        return false;
    }
    return byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D;
}

}  // namespace

std::string Initialize() {
    return Bytes({ESC, '@'});
}

std::string SelectWindows1252() {
    return Bytes({ESC, 't', 16});
}

std::string Bold(bool on) {
    return Bytes({ESC, 'E', on ? 1 : 0});
}

std::string Centred(bool on) {
    return Bytes({ESC, 'a', on ? 1 : 0});
}

std::string FeedAndCut() {
    return Bytes({GS, 'V', 66, 0});
}

std::string DrawerPulse(int pin) {
    return Bytes({ESC, 'p', pin == 5 ? 1 : 0, 25, 250});
}

std::string QrCode(std::string_view data, int moduleDots) {
    std::string bytes = QrFunction(65, Bytes({50, 0}));  // model 2
    bytes += QrFunction(67, Bytes({moduleDots}));
    bytes += QrFunction(69, Bytes({49}));  // error correction M
    bytes += QrFunction(80, "0" + std::string(data));
    bytes += QrFunction(81, "0");
    return bytes;
}

std::string Raster(const MonoBitmap& bitmap) {
    std::string bytes;
    const int rowBytes = bitmap.RowBytes();
    for (int top = 0; top < bitmap.height; top += 255) {
        const int rows = std::min(255, bitmap.height - top);
        bytes += Bytes({GS, 'v', '0', 0, rowBytes & 0xFF, rowBytes >> 8, rows, 0});
        const auto first = bitmap.bits.begin() + static_cast<std::ptrdiff_t>(top) * rowBytes;
        bytes.append(first, first + static_cast<std::ptrdiff_t>(rows) * rowBytes);
    }
    return bytes;
}

std::string PrintableText(std::string_view utf8) {
    std::string text = Utf8ToCp1252(utf8);
    for (char& c : text) {
        if (!Printable(static_cast<unsigned char>(c))) {
            c = '?';
        }
    }
    return text;
}

}  // namespace vantor::escpos
