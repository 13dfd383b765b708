#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/PageDevice.h"
#include "platform/Printers.h"

namespace vantor {

// A document for a receipt printer that speaks ESC/POS, made of the same
// operations as a page: each distinct vertical position becomes one line of
// the printer's font, in top-to-bottom order, and each horizontal position a
// column (a tenth of an inch, the pitch of the receipt's 12-point font); text
// past the paper's right edge is cut. Pictures print as raster images across
// the paper, QR codes as the printer's own. The bytes go to the printer at End.
class EscPosDevice : public PageDevice {
public:
    // Hands the document's bytes to the printer; throws PrintError.
    using Sender = std::function<void(const std::string& bytes)>;

    EscPosDevice(const ReceiptPaper& paper, Sender send);

    void Text(int x, int y, const PrintFont& font, const std::string& text) override;
    // The picture's dots, made when it was loaded; throws PrintError when it
    // has none (a picture that is not a BMP).
    void Image(const Picture& picture, int x, int y, int width, int height) override;
    void QrCode(const std::string& text, int x, int y, int side) override;
    void End() override;

    // The whole document: set-up, lines, pictures, feed and cut.
    std::string Bytes() const;

private:
    struct Piece {
        int y = 0;
        int x = 0;
        bool bold = false;
        bool isText = true;
        std::string bytes;  // the text in the printer's code page, or a picture's commands
    };
    std::string Line(std::vector<Piece>::const_iterator first,
                     std::vector<Piece>::const_iterator last, bool& bold) const;

    ReceiptPaper paper_;
    Sender send_;
    std::vector<Piece> pieces_;
    bool ended_ = false;
};

}  // namespace vantor
