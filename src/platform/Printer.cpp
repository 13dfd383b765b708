#include "platform/Printer.h"

#include <cmath>

namespace vantor {

int Printer::LineHeight(const PrintFont& font) {
    // Ascent plus descent of Courier New: 2320 units of a 2048-unit em.
    return static_cast<int>(std::lround(font.size * 20.0 * 2320.0 / 2048.0));
}

PageDevice& Printer::Device() {
    if (!device_) {
        device_ = printers_.Open(printers_.Current());
    }
    return *device_;
}

void Printer::Print(const std::string& text) {
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        Device().Text(x_, y_, font_, line);
        x_ = 0;
        y_ += LineHeight(font_);
        if (end == std::string::npos) {
            return;
        }
        start = end + 1;
    }
}

void Printer::PaintPicture(const Picture& picture, int x, int y, int width, int height) {
    Device().Image(picture, x, y, width, height);
}

void Printer::PrintQrCode(const std::string& text, int x, int y, int side) {
    Device().QrCode(text, x, y, side);
}

void Printer::EndDoc() {
    Device().End();
    device_.reset();
    x_ = 0;
    y_ = 0;
}

}  // namespace vantor
