#pragma once

#include <string>

namespace vantor::test {

// Reading a PDF file back with the poppler tools and zbarimg. Each fails the
// current test (and returns an empty result) when the tool is missing or fails.

// The text laid out as on the page (pdftotext -layout).
std::string PdfText(const std::string& pdf);
// The standard output of a tool run on the file ("pdfinfo", "pdffonts"),
// followed by REST on the command line.
std::string PdfTool(const std::string& tool, const std::string& pdf, const std::string& rest = "");
// Each word and its box in points from the top-left corner, to a tenth of a
// point, one a line: "left top right bottom text".
std::string PdfWords(const std::string& pdf);

// The top-left corner of the first page, WIDTH × HEIGHT dots at DPI, a line a
// row of dots: '#' dark, '.' light.
std::string PageSketch(const std::string& pdf, int dpi, int width, int height);
// The bytes of the codes zbarimg finds on the first page rendered at DPI.
std::string PageCodes(const std::string& pdf, int dpi);

}  // namespace vantor::test
