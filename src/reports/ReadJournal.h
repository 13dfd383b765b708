#pragma once

#include <optional>
#include <string>

#include "platform/DateTime.h"
#include "reports/JournalScan.h"

namespace vantor {

// Reads the journal once for a report; nullopt when it does not exist.
// parts 0: as many pieces at once as the file's size makes worth it.
std::optional<JournalSums> LireJournal(const std::string& journal, const ScanRequest& request,
                                       int parts);

// A request for the records from debut to fin.
ScanRequest PeriodRequest(const Date& debut, const Date& fin);

}  // namespace vantor
