#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vantor {

// A report laid out for A4 paper: lines of text at positions in twips from
// the sheet's top-left corner, in a fixed-pitch font, so that the columns of
// the screen's lines stay aligned on paper.
struct PageLine {
    int x = 0;
    int y = 0;  // the top of the line
    bool bold = false;
    std::string text;
    friend bool operator==(const PageLine&, const PageLine&) = default;
};

struct ReportPage {
    std::vector<PageLine> lines;
};

// What heads every page: the shop's lines (name, address...), the report's
// name and its period.
struct PageHeading {
    std::vector<std::string> commerce;
    std::string titre;
    std::string periode;
};

inline constexpr int kA4WidthTwips = 11906;
inline constexpr int kA4HeightTwips = 16838;
inline constexpr int kReportPoints = 10;  // the font size of every line

// The report's lines page after page under the heading, each page numbered
// "Page n / N" at its foot; one page when there are no lines.
std::vector<ReportPage> LayOutReport(const PageHeading& heading,
                                     const std::vector<std::string>& lines);

// The pages as text, one line per text ("y x G|N text"), for reading a layout.
std::string PagesAsText(const std::vector<ReportPage>& pages);

// "du 01.12.2026 au 05.12.2026", or "du 05.12.2026" for one day.
std::string PeriodeDuAu(const std::string& du, const std::string& au);

// Writes the pages into a PDF file; provided by the window's toolkit. Throws
// std::runtime_error with the reason in French when the file cannot be written.
using ReportPdfWriter =
    std::function<void(const std::string& path, const std::vector<ReportPage>& pages)>;

}  // namespace vantor
