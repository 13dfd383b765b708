#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/Report.h"
#include "support/TempDir.h"

namespace vantor::test {

inline constexpr Date kToday{2026, 12, 5};

// Records as in the journal (Windows-1252 bytes), each ended by CR LF.
inline std::string JournalBytes(const std::vector<std::string>& records) {
    std::string bytes;
    for (const std::string& record : records) {
        bytes += record + "\r\n";
    }
    return bytes;
}

// A data folder with a journal written by hand, and the report settings of a
// till with three waiter entries, three account categories, VAT rates 10 and
// 5.5, and today 05.12.2026.
class ReportTest : public ::testing::Test {
protected:
    ReportTest();

    void WriteJournal(const std::vector<std::string>& records) {
        WriteRaw(settings.journal, JournalBytes(records));
    }

    ReportSettings settings;
    TempDir folder;
};

// The lines of a report, which must exist.
std::vector<std::string> Lines(const Report& report);

}  // namespace vantor::test
