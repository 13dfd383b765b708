#pragma once

#include <memory>
#include <string>

#include "platform/PageDevice.h"
#include "platform/Printers.h"

namespace vantor {

// The page printer as the till drives it: a font, a current position in
// twips, lines of text that move the position down, pictures, and the end of
// the document. The document starts on the current printer at the first
// operation.
class Printer {
public:
    explicit Printer(Printers& printers) : printers_(printers) {}

    void SetFontName(const std::string& name) { font_.name = name; }
    void SetFontSize(int size) { font_.size = size; }
    void SetFontBold(bool bold) { font_.bold = bold; }
    void SetX(int x) { x_ = x; }
    void SetY(int y) { y_ = y; }
    int CurrentY() const { return y_; }

    // Prints the text and moves to the start of the next line, at the left
    // edge of the page. A text holding line feeds prints several lines, those
    // after the first starting at the left edge.
    void Print(const std::string& text);
    void PaintPicture(const Picture& picture, int x, int y, int width, int height);
    void PrintQrCode(const std::string& text, int x, int y, int side);
    void EndDoc();

    // Height of one line of text in the font, in twips.
    static int LineHeight(const PrintFont& font);

private:
    PageDevice& Device();

    Printers& printers_;
    std::unique_ptr<PageDevice> device_;
    PrintFont font_;
    int x_ = 0;
    int y_ = 0;
};

}  // namespace vantor
