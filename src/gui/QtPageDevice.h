#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/PageDevice.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace vantor {

// One printed document on a Qt paint device: a system printer (through CUPS)
// or a PDF file. Every operation is checked at once (a picture that cannot be
// read, a text too long for a QR code throw PrintError there) but the page is
// painted only at End, so that a document given up half-way sends nothing to
// the printer and leaves no file.
class QtPageDevice : public PageDevice {
public:
    // A document on the installed printer with this device name, on its own
    // default page. Throws PrintError when there is no such printer.
    static std::unique_ptr<QtPageDevice> ForPrinter(const std::string& deviceName);
    // A document written to an A4 PDF file, created (empty) at once, so that a
    // file that cannot be written throws PrintError here; removed again when
    // the document is not ended.
    static std::unique_ptr<QtPageDevice> ForPdfFile(const std::string& path);

    ~QtPageDevice() override;
    QtPageDevice(const QtPageDevice&) = delete;
    QtPageDevice& operator=(const QtPageDevice&) = delete;

    void Text(int x, int y, const PrintFont& font, const std::string& text) override;
    void Image(const Picture& picture, int x, int y, int width, int height) override;
    void QrCode(const std::string& text, int x, int y, int side) override;
    void End() override;

private:
    using Drawing = std::function<void(QPainter&)>;

    QtPageDevice(std::unique_ptr<QPagedPaintDevice> device, QPrinter* printer, std::string pdfPath);
    // Device units per twip.
    double Scale() const;
    void Paint();
    std::string FailureReason() const;

    std::unique_ptr<QPagedPaintDevice> device_;
    QPrinter* printer_;    // device_ when it is a printer, else null
    std::string pdfPath_;  // the file when device_ writes a PDF file
    std::vector<Drawing> drawings_;
    bool ended_ = false;
};

}  // namespace vantor
