#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/Report.h"
#include "support/TempDir.h"

namespace vantor::test {

// A data folder with a journal written by hand, and the report settings of a
// till with three waiter entries, three account categories, VAT rates 10 and
// 5.5, and today 05.12.2026.
class ReportTest : public ::testing::Test {
protected:
    ReportTest();

    // Records as in the file (Windows-1252 bytes), each ended by CR LF.
    void WriteJournal(const std::vector<std::string>& records);

    ReportSettings settings;
    TempDir folder;
};

inline constexpr Date kToday{2026, 12, 5};

// The lines of a report, which must exist.
std::vector<std::string> Lines(const Report& report);

}  // namespace vantor::test
