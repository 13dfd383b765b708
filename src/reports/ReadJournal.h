#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "reports/JournalScan.h"
#include "reports/Report.h"

namespace vantor {

// Reads the journal once for a report; nullopt when it does not exist.
// parts 0: as many pieces at once as the file's size makes worth it.
std::optional<JournalSums> LireJournal(const std::string& journal, const ScanRequest& request,
                                       int parts);

// Reads the journal once and has write add the report's lines from its sums;
// a report marked noJournal, without lines, when there is no journal.
Report ReportFromJournal(
    const ReportSettings& settings, const ScanRequest& request,
    const std::function<void(std::vector<std::string>& lines, const JournalSums& sums)>& write);

// A request for the records from debut to fin.
ScanRequest PeriodRequest(const Date& debut, const Date& fin);

}  // namespace vantor
