#pragma once

#include <string>
#include <vector>

namespace vantor::test {

// Reading a PDF file back with the poppler tools (pdftotext, pdfinfo,
// pdffonts, pdftoppm) and zbarimg. Each fails the current test (and returns
// an empty result) when the tool is missing or fails.

// The text laid out as on the page (pdftotext -layout).
std::string PdfLayoutText(const std::string& pdf);
int PdfPageCount(const std::string& pdf);
// Page width and height in points.
std::pair<double, double> PdfPageSize(const std::string& pdf);
// The base names of the fonts used, without the subset prefix ("ABCDEF+").
std::vector<std::string> PdfFontNames(const std::string& pdf);

// A word of the page and its box, in points from the top-left corner.
struct PdfWord {
    std::string text;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};
std::vector<PdfWord> PdfWords(const std::string& pdf);

// The first page rendered in grey at the resolution (dots per inch).
class RenderedPage {
public:
    RenderedPage(const std::string& pdf, int dpi, const std::string& workFolder);
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Dark(int x, int y) const;
    // Dark pixels in the rectangle [left, right) × [top, bottom).
    int DarkCount(int left, int top, int right, int bottom) const;
    const std::string& ImageFile() const { return file_; }

private:
    std::string file_;
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned char> grey_;
};

// The data of the codes found in an image file, one per line (zbarimg).
std::vector<std::string> DecodeQrCodes(const std::string& imageFile);

}  // namespace vantor::test
