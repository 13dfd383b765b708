#include "headless/TranscriptPrinting.h"

#include "headless/ScriptLine.h"

namespace vantor::headless {

TranscriptPageDevice::TranscriptPageDevice(std::ostream& out, const std::string& printer,
                                           std::unique_ptr<PageDevice> pdf)
    : out_(out), pdf_(std::move(pdf)) {
    out_ << "print start " << Quote(printer) << '\n';
}

void TranscriptPageDevice::Text(int x, int y, const PrintFont& font, const std::string& text) {
    out_ << "print text " << x << ' ' << y << ' ' << Quote(font.name) << ' ' << font.size << ' '
         << (font.bold ? "bold" : "normal") << ' ' << Quote(text) << '\n';
    if (pdf_) {
        pdf_->Text(x, y, font, text);
    }
}

void TranscriptPageDevice::Image(const Picture& picture, int x, int y, int width, int height) {
    out_ << "print picture " << Quote(picture.path) << ' ' << x << ' ' << y << ' ' << width << ' '
         << height << '\n';
    if (pdf_) {
        pdf_->Image(picture, x, y, width, height);
    }
}

void TranscriptPageDevice::QrCode(const std::string& text, int x, int y, int side) {
    out_ << "print qrcode " << Quote(text) << ' ' << x << ' ' << y << ' ' << side << '\n';
    if (pdf_) {
        pdf_->QrCode(text, x, y, side);
    }
}

void TranscriptPageDevice::End() {
    if (pdf_) {
        pdf_->End();
    }
    out_ << "print end\n";
}

}  // namespace vantor::headless
