#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/Control.h"

namespace vantor {

struct PrintFont {
    std::string name = "Courier New";
    int size = 10;  // points
    bool bold = false;
    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

// The drawing primitives of one printed document, in twips from the top-left
// corner of the printable area. The till computes every position itself (see
// Printer), so that all back ends put the same text at the same place.
class PageDevice {
public:
    virtual ~PageDevice() = default;
    // One line of text whose top is at y.
    virtual void Text(int x, int y, const PrintFont& font, const std::string& text) = 0;
    // The picture scaled into the rectangle.
    virtual void Image(const Picture& picture, int x, int y, int width, int height) = 0;
    // A QR code of the text, as a square of the given side.
    virtual void QrCode(const std::string& text, int x, int y, int side) = 0;
    // Ends the document: the page goes to the printer. Throws PrintError.
    virtual void End() = 0;
};

// Makes the device that also renders a document to a PDF file, when the run
// asked for PDF files; null otherwise.
using PdfDeviceFactory = std::function<std::unique_ptr<PageDevice>(const std::string& printer)>;

// A printing failure; what() is the system's reason.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vantor
