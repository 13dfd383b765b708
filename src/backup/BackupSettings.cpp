#include "backup/BackupSettings.h"

#include <algorithm>

#include "backup/ResticBackup.h"

namespace vantor {

std::vector<std::string> SplitDestinations(const std::string& text) {
    std::vector<std::string> destinations;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('|', start), text.size());
        if (end > start) {
            destinations.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return destinations;
}

std::string JoinDestinations(const std::vector<std::string>& folders) {
    std::string text;
    for (const std::string& folder : folders) {
        text += (text.empty() ? "" : "|") + folder;
    }
    return text;
}

std::vector<std::string> BackupDestinations(Settings& settings) {
    std::vector<std::string> destinations =
        SplitDestinations(settings.Read(kBackupDestinationsKey));
    if (const std::string repository = settings.Read(kBackupResticKey); !repository.empty()) {
        destinations.push_back(IsResticDestination(repository) ? repository
                                                               : kResticPrefix + repository);
    }
    return destinations;
}

Thinning BackupThinning(Settings& settings) {
    const std::string text = settings.Read(kBackupKeepDaysKey);
    Thinning thinning;
    if (!text.empty() && text.size() <= 3 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const int days = std::stoi(text);
        if (days >= 1 && days <= 366) {
            thinning.keepDays = days;
        }
    }
    return thinning;
}

}  // namespace vantor
