#include "backup/BackupLog.h"

#include <algorithm>
#include <cstdio>

#include "data/Dates.h"
#include "data/DurableAppend.h"
#include "data/TextFile.h"
#include "ledger/Events.h"

namespace vantor {

namespace {

constexpr const char* kVerifiedWord = "vérifiée";

// A field of the line: its separator and line ends would cut it.
std::string Field(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == ';' || c == '\r' || c == '\n'; }, ',');
    return text;
}

std::string Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), '.', ',');
    return shown;
}

std::vector<std::string> LineFields(const std::string& line) {
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(';', start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string::npos) {
            return fields;
        }
        start = end + 1;
    }
}

}  // namespace

std::string BackupFigures(const BackupResult& result, double seconds) {
    return std::to_string(result.files) + " fichiers, " +
           Decimal(static_cast<double>(result.bytes) / 1e6) + " Mo, " + Decimal(seconds) + " s";
}

void RecordBackup(const std::string& dataPath, const DateTime& when, const BackupResult& result,
                  double seconds, bool ownsFolder) {
    const std::string stamp = FormatDate(when.date) + ";" + FormatTime(when.time) + ";";
    const std::string line =
        result.verified
            ? stamp + kVerifiedWord + ";" + Field(result.destination) + ";" + Field(result.name) +
                  ";" + BackupFigures(result, seconds)
            : stamp + "échouée;" + Field(result.destination) + ";;" + Field(result.problem);
    try {
        AppendFileDurable(JoinPath(dataPath, kBackupLogFile), EncodeLines({line}));
    } catch (const FileError&) {
        // A read-only data folder: the backup stands all the same.
    }
    if (ownsFolder) {
        TryLogEvent(
            dataPath, when, result.verified ? "Sauvegarde vérifiée" : "Sauvegarde échouée",
            result.verified ? result.path + ", " + BackupFigures(result, seconds) : result.problem);
    }
}

std::optional<VerifiedBackup> LastVerifiedBackup(const std::string& dataPath,
                                                 const std::optional<DateTime>& before) {
    const std::string path = JoinPath(dataPath, kBackupLogFile);
    if (!FileExists(path)) {
        return std::nullopt;
    }
    std::optional<VerifiedBackup> last;
    for (const std::string& line : ReadLines(path)) {
        const std::vector<std::string> fields = LineFields(line);
        if (fields.size() < 5 || fields[2] != kVerifiedWord) {
            continue;
        }
        const std::optional<Date> date = ParseDate(fields[0]);
        const std::optional<TimeOfDay> time = ParseTime(fields[1]);
        if (date && time && (!before || DateTime{*date, *time} < *before)) {
            last = VerifiedBackup{{*date, *time}, fields[3], fields[4]};
        }
    }
    return last;
}

std::optional<std::string> OldBackupWarning(const std::string& dataPath, const DateTime& now) {
    constexpr long kSecondsPerDay = 86400;
    constexpr long kOldAfter = 2 * kSecondsPerDay;
    if (!FileExists(JoinPath(dataPath, kBackupLogFile))) {
        return std::nullopt;
    }
    const std::optional<VerifiedBackup> last = LastVerifiedBackup(dataPath);
    const auto seconds = [](const DateTime& when) {
        return DaysFromCivil(when.date) * kSecondsPerDay + when.time.hour * 3600L +
               when.time.minute * 60L + when.time.second;
    };
    const std::string advice =
        "Branchez le support de sauvegarde et faites une sauvegarde (vantor sauvegarder).";
    if (!last) {
        return "Aucune sauvegarde vérifiée du dossier de données : les dernières ont échoué "
               "(voir " +
               std::string(kBackupLogFile) + "). " + advice;
    }
    if (seconds(now) - seconds(last->when) <= kOldAfter) {
        return std::nullopt;
    }
    return "La dernière sauvegarde vérifiée date du " + FormatDate(last->when.date) + " à " +
           FormatTime(last->when.time) + " (" + last->destination + "). " + advice;
}

}  // namespace vantor
