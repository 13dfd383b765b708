#pragma once

#include <string>
#include <vector>

#include "reports/ReportPdf.h"

namespace vantor {

// Fonts need an application object; a report command runs before any is
// made: one offscreen, kept to the end of the process.
void EnsureOffscreenApplication();

// Draws the pages with Qt's PDF writer and replaces the file with them at
// once (a failed write leaves the old file, or none). Makes an offscreen
// application when the program has none yet, as a report command does.
// Throws std::runtime_error with the reason in French.
void WriteReportPdfFile(const std::string& path, const std::vector<ReportPage>& pages);

}  // namespace vantor
