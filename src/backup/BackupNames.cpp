#include "backup/BackupNames.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>

#include "backup/Manifest.h"
#include "data/Dates.h"
#include "data/TextFile.h"
#include "platform/Paths.h"

namespace vantor {

namespace fs = std::filesystem;

std::string BackupName(const DateTime& when) {
    return std::to_string(when.date.year) + "-" + TwoDigits(when.date.month) + "-" +
           TwoDigits(when.date.day) + "_" + TwoDigits(when.time.hour) + "-" +
           TwoDigits(when.time.minute) + "-" + TwoDigits(when.time.second);
}

std::optional<DateTime> ParseBackupName(const std::string& name) {
    DateTime when;
    char end = 0;
    if (name.size() < 19 ||
        std::sscanf(name.substr(0, 19).c_str(), "%4d-%2d-%2d_%2d-%2d-%2d%c", &when.date.year,
                    &when.date.month, &when.date.day, &when.time.hour, &when.time.minute,
                    &when.time.second, &end) != 6 ||
        BackupName(when) != name.substr(0, 19) || !IsValidDate(when.date) || when.time.hour > 23 ||
        when.time.minute > 59 || when.time.second > 59) {
        return std::nullopt;
    }
    const std::string rest = name.substr(19);
    if (!rest.empty() && (rest.size() < 2 || rest.size() > 6 || rest[0] != '_' || rest[1] == '0' ||
                          rest.find_first_not_of("0123456789", 1) != std::string::npos)) {
        return std::nullopt;
    }
    return when;
}

std::string BackupsFolderOf(const std::string& destination) {
    const std::string inner = JoinPath(destination, kBackupsFolder);
    return DirectoryExists(inner) ? inner : destination;
}

std::vector<std::string> ListBackups(const std::string& destination) {
    std::vector<std::string> names;
    std::error_code error;
    const std::string folder = BackupsFolderOf(destination);
    for (const fs::directory_entry& entry : fs::directory_iterator(ToPath(folder), error)) {
        const std::string name = FromPath(entry.path().filename());
        std::error_code ignored;
        if (entry.is_directory(ignored) && ParseBackupName(name) &&
            FileExists(JoinPath(FromPath(entry.path()), kBackupManifestFile))) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> BackupsToThin(std::vector<std::string> names, const Date& today,
                                       const Thinning& thinning) {
    std::sort(names.begin(), names.end());
    std::map<std::string, std::string> lastOfMonth;  // "2026-12" → its last backup
    for (const std::string& name : names) {
        lastOfMonth[name.substr(0, 7)] = name;
    }
    const long firstKept = DaysFromCivil(today) + 1 - thinning.keepDays;
    std::vector<std::string> thinned;
    for (const std::string& name : names) {
        const std::optional<DateTime> when = ParseBackupName(name);
        const bool recent = when && DaysFromCivil(when->date) >= firstKept;
        if (!recent && lastOfMonth[name.substr(0, 7)] != name && name != names.back()) {
            thinned.push_back(name);
        }
    }
    return thinned;
}

}  // namespace vantor
