#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "platform/PageDevice.h"

namespace vantor::headless {

// Writes every print operation of a document as a transcript line, and hands
// it on to the device that also renders it (a PDF file, an ESC/POS printer)
// when there is one.
class TranscriptPageDevice : public PageDevice {
public:
    TranscriptPageDevice(std::ostream& out, const std::string& printer,
                         std::unique_ptr<PageDevice> pdf);
    void Text(int x, int y, const PrintFont& font, const std::string& text) override;
    void Image(const Picture& picture, int x, int y, int width, int height) override;
    void QrCode(const std::string& text, int x, int y, int side) override;
    void End() override;

private:
    std::ostream& out_;
    std::unique_ptr<PageDevice> pdf_;
};

}  // namespace vantor::headless
