#include "ledger/Events.h"

#include "data/Dates.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "ledger/Ledger.h"

namespace vantor {

void LogEvent(const std::string& dataPath, const DateTime& when, const std::string& type,
              const std::string& detail) {
    const std::string line = FormatDate(when.date) + ";" + FormatTime(when.time) + ";" + type +
                             ";" + Replace(Replace(detail, ";", "-"), "\n", " ");
    AppendChained(dataPath, kEventFile, EntryKind::Event, 0, {line});
}

void TryLogEvent(const std::string& dataPath, const DateTime& when, const std::string& type,
                 const std::string& detail) {
    try {
        LogEvent(dataPath, when, type, detail);
    } catch (const FileError&) {
    }
}

std::string UnusedNumberEvent(std::int64_t numero) {
    return "Numéro de ticket non utilisé : " + std::to_string(numero);
}

}  // namespace vantor
