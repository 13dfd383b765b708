#include "staff/StaffLog.h"

#include <optional>

#include "data/Cp1252.h"
#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "staff/StaffEvents.h"

namespace vantor {

namespace {

// The type of an event line (its third field), as bytes.
std::string_view TypeOf(std::string_view line) {
    const std::size_t first = line.find(';');
    const std::size_t second = first == std::string_view::npos ? first : line.find(';', first + 1);
    if (second == std::string_view::npos) {
        return {};
    }
    const std::size_t third = line.find(';', second + 1);
    return line.substr(second + 1, third == std::string_view::npos ? third : third - second - 1);
}

}  // namespace

bool JournalDitPersonnelActive(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kEventFile);
    if (!FileExists(path)) {
        return false;
    }
    const std::string on = Utf8ToCp1252(staff_events::kActivee);
    const std::string off = Utf8ToCp1252(staff_events::kDesactivee);
    std::optional<bool> said;
    try {
        ForEachLineBackward(path, FileSize(path), [&](std::string_view line, std::uint64_t, bool) {
            const std::string_view type = TypeOf(line);
            if (type == on || type == off) {
                said = type == on;
            }
            return said.has_value();
        });
    } catch (const FileError&) {
        return false;  // an unreadable log is told by the journal's own check
    }
    return said.value_or(false);
}

}  // namespace vantor
