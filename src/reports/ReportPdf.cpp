#include "reports/ReportPdf.h"

#include <algorithm>

namespace vantor {

namespace {

constexpr int kPageMargin = 1134;  // 2 cm
constexpr int kLineHeight = 240;   // 12 points: a 10-point line and its spacing
constexpr int kFootHeight = 2 * kLineHeight;
// Where "Page n / N" starts: its longest form ("Page 99 / 99") ends at the
// right margin (a character of 10 points is 120 twips wide).
constexpr int kPageNumberX = kA4WidthTwips - kPageMargin - 12 * 120;

// The heading's lines from the top margin; returns where the report starts.
int AddHeading(ReportPage& page, const PageHeading& heading) {
    int y = kPageMargin;
    bool first = true;
    for (const std::string& line : heading.commerce) {
        page.lines.push_back({kPageMargin, y, first, line});
        first = false;
        y += kLineHeight;
    }
    y += kLineHeight;
    page.lines.push_back({kPageMargin, y, true, heading.titre});
    y += kLineHeight;
    if (!heading.periode.empty()) {
        page.lines.push_back({kPageMargin, y, false, "Période : " + heading.periode});
        y += kLineHeight;
    }
    return y + kLineHeight;
}

}  // namespace

std::vector<ReportPage> LayOutReport(const PageHeading& heading,
                                     const std::vector<std::string>& lines) {
    std::vector<ReportPage> pages;
    const int bottom = kA4HeightTwips - kPageMargin - kFootHeight;
    std::size_t next = 0;
    do {
        ReportPage& page = pages.emplace_back();
        int y = AddHeading(page, heading);
        // At least one line a page, however long the heading.
        do {
            if (next < lines.size()) {
                page.lines.push_back({kPageMargin, y, false, lines[next++]});
            }
            y += kLineHeight;
        } while (next < lines.size() && y + kLineHeight <= bottom);
    } while (next < lines.size());
    const std::string total = std::to_string(pages.size());
    for (std::size_t n = 0; n < pages.size(); ++n) {
        pages[n].lines.push_back({kPageNumberX, kA4HeightTwips - kPageMargin - kLineHeight, false,
                                  "Page " + std::to_string(n + 1) + " / " + total});
    }
    return pages;
}

std::string PagesAsText(const std::vector<ReportPage>& pages) {
    std::string text;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        text += "== feuille " + std::to_string(n + 1) + "\n";
        for (const PageLine& line : pages[n].lines) {
            text += std::to_string(line.y) + " " + std::to_string(line.x) +
                    (line.bold ? " G " : " N ") + line.text + "\n";
        }
    }
    return text;
}

std::string PeriodeDuAu(const std::string& du, const std::string& au) {
    return du == au ? "du " + du : "du " + du + " au " + au;
}

}  // namespace vantor
