#pragma once

#include <string>
#include <vector>

#include "data/TillData.h"

#include "platform/DateTime.h"
#include "reports/Report.h"

namespace vantor {

// The report settings of a data folder, read as the till loads them at
// start-up, for a report made without the window: nothing is written, a
// missing file gives the defaults the till would create.
ReportSettings ReglagesDuDossier(const std::string& dataPath, const Date& today);

// The shop's lines that head a report's pages: name, address, town, phone,
// those given.
std::vector<std::string> LignesCommerce(const InfosRecord& infos);

}  // namespace vantor
