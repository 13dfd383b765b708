#pragma once

#include <functional>
#include <string>

#include "reports/ReportPdf.h"

namespace vantor {

struct Graphiques;

// Draws the charts into a PNG, SVG or PDF file, by its name's ending;
// provided by the window's toolkit. Throws std::runtime_error with the
// reason in French (another ending, a file that cannot be written).
using ChartFileWriter = std::function<void(const std::string& path, const Graphiques& graphiques,
                                           const std::string& monnaie)>;

// What only the window's toolkit can draw: the reports' PDF pages and the
// charts. A run without the toolkit has none.
struct ReportDrawers {
    ReportPdfWriter pdf;
    ChartFileWriter graphiques;
};
inline constexpr const char* kSansDessins =
    "Les PDF et les graphiques ne sont pas disponibles dans cette version de Vantor.";

}  // namespace vantor
