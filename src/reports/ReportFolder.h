#pragma once

#include <string>

#include "platform/DateTime.h"
#include "reports/Report.h"

namespace vantor {

// The report settings of a data folder, read as the till loads them at
// start-up, for a report made without the window: nothing is written, a
// missing file gives the defaults the till would create.
ReportSettings ReglagesDuDossier(const std::string& dataPath, const Date& today);

}  // namespace vantor
