#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Services.h"
#include "reports/ReportDrawers.h"

namespace vantor {

// `vantor report totaux|journal|resume ...`: the lines of a report, as the
// screen shows them, on standard output (UTF-8, one per line). It only reads
// the data folder, so it also runs while the till is open on it. Returns the
// exit status: 0 with a report, 1 when there is none (no journal, end before
// start, unreadable file), 2 for bad arguments or a --data-dir that is no folder.
// With --pdf FILE the same lines go to an A4 PDF file instead; `vantor report
// graphique ... --out FILE` draws the charts of the period into a picture.
// Both need the toolkit's drawers (2 without them, or when the file cannot
// be written; a bad period is 2 too for the charts).
int RunReportCommand(const std::vector<std::string>& words, Settings& settings, Clock& clock,
                     std::ostream& out, std::ostream& err, const ReportDrawers* drawers = nullptr);

}  // namespace vantor
