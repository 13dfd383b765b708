#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace vantor {

// `vantor report totaux|journal|resume ...`: the lines of a report, as the
// screen shows them, on standard output (UTF-8, one per line). It only reads
// the data folder, so it also runs while the till is open on it. Returns the
// exit status: 0 with a report, 1 when there is none (no journal, end before
// start, unreadable file), 2 for bad arguments or a --data-dir that is no folder.
int RunReportCommand(const std::vector<std::string>& words, Settings& settings, Clock& clock,
                     std::ostream& out, std::ostream& err);

}  // namespace vantor
