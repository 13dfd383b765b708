// Which old backups the thinning removes: every one of the last 14 days and
// the last one of each month stay, and always the newest.
#include <gtest/gtest.h>

#include "backup/FolderBackup.h"

namespace vantor {
namespace {

struct ThinningCase {
    const char* what;
    std::vector<std::string> names;
    Date today;
    int keepDays;
    std::vector<std::string> thinned;
};

TEST(ThinningTest, KeepsTheLastDaysAndTheLastOfEachMonth) {
    const std::vector<ThinningCase> cases = {
        {"nothing yet", {}, {2026, 12, 7}, 14, {}},
        {"all within 14 days",
         {"2026-11-24_23-00-00", "2026-12-01_23-00-00", "2026-12-07_23-00-00"},
         {2026, 12, 7},
         14,
         {}},
        {"the 15th day back goes, the last of November stays",
         {"2026-11-20_23-00-00", "2026-11-23_22-00-00", "2026-11-23_23-00-00",
          "2026-11-24_08-00-00", "2026-11-30_23-00-00"},
         {2026, 12, 7},
         14,
         {"2026-11-20_23-00-00", "2026-11-23_22-00-00", "2026-11-23_23-00-00"}},
        {"each month's last, across a year",
         {"2025-12-30_23-00-00", "2025-12-31_23-00-00", "2026-01-15_23-00-00",
          "2026-01-31_20-00-00", "2026-06-01_10-00-00", "2026-12-06_23-00-00"},
         {2026, 12, 7},
         14,
         {"2025-12-30_23-00-00", "2026-01-15_23-00-00"}},
        {"two in one second keep the later",
         {"2026-10-01_23-00-00", "2026-10-01_23-00-00_2", "2026-12-07_10-00-00"},
         {2026, 12, 7},
         14,
         {"2026-10-01_23-00-00"}},
        {"the newest always stays, however old",
         {"2026-01-02_23-00-00", "2026-01-03_23-00-00"},
         {2026, 12, 7},
         14,
         {"2026-01-02_23-00-00"}},
        {"a shorter setting",
         {"2026-12-04_23-00-00", "2026-12-05_23-00-00", "2026-12-06_23-00-00",
          "2026-12-07_23-00-00"},
         {2026, 12, 7},
         2,
         {"2026-12-04_23-00-00", "2026-12-05_23-00-00"}},
        {"a leap day is a day like others",
         {"2028-02-15_23-00-00", "2028-02-16_23-00-00", "2028-02-29_23-00-00"},
         {2028, 2, 29},
         14,
         {"2028-02-15_23-00-00"}},
    };
    for (const ThinningCase& row : cases) {
        EXPECT_EQ(BackupsToThin(row.names, row.today, {row.keepDays}), row.thinned) << row.what;
    }
}

struct NameCase {
    std::string name;
    bool valid;
};

TEST(ThinningTest, OnlyDatedNamesAreBackups) {
    const std::vector<NameCase> cases = {
        {"2026-12-07_23-10-05", true},
        {"2026-12-07_23-10-05_2", true},
        {"2026-02-30_23-10-05", false},
        {"2026-12-07_23-10-5", false},
        {".en-cours-2026-12-07_23-10-05", false},
        {"2026-12-07_23-10-05.old", false},
        {"photos", false},
        {"2026-12-07_24-10-05", false},
    };
    for (const NameCase& row : cases) {
        EXPECT_EQ(ParseBackupName(row.name).has_value(), row.valid) << row.name;
    }
    EXPECT_EQ(BackupName({{2026, 1, 2}, {3, 4, 5}}), "2026-01-02_03-04-05");
}

}  // namespace
}  // namespace vantor
