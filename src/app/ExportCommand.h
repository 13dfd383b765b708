#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace vantor {

// `vantor export comptable --du D --au D --out FILE [--format csv|fec]
// [--jours-ouverts] [--data-dir DIR]`: the accountant's export of the closed
// days of a period, written as a whole; what it covers on standard output.
// Only reads the data folder. Returns 0 when written, 1 when there is no
// journal or a file cannot be read or disagrees with its closure, 2 for bad
// arguments, a folder that is not one, or an output that cannot be written.
int RunExportCommand(const std::vector<std::string>& words, Settings& settings, std::ostream& out,
                     std::ostream& err);

}  // namespace vantor
