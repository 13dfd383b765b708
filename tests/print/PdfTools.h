#pragma once

#include <string>
#include <vector>

namespace vantor::test {

// Reading a PDF file back with the poppler tools and zbarimg. Each fails the
// current test (and returns an empty result) when the tool is missing or fails.

// The text laid out as on the page (pdftotext -layout).
std::string PdfText(const std::string& pdf);
// One field of pdfinfo ("Pages", "Page size").
std::string PdfInfo(const std::string& pdf, const std::string& field);
// The output of a poppler tool run on the file ("pdffonts").
std::string PdfTool(const std::string& tool, const std::string& pdf);
// Each word and its box in points from the top-left corner, to a tenth of a
// point, one a line: "left top right bottom text".
std::string PdfWords(const std::string& pdf);

// The first page rendered in grey at the resolution (dots per inch).
class RenderedPage {
public:
    RenderedPage(const std::string& pdf, int dpi, const std::string& workFolder);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Dark pixels in the rectangle [left, right) × [top, bottom).
    int DarkCount(int left, int top, int right, int bottom) const;
    // The data of the codes zbarimg finds on the page, one per line.
    std::vector<std::string> QrCodes() const;

private:
    std::string file_;
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned char> grey_;
};

}  // namespace vantor::test
