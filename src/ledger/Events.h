#pragma once

#include <cstdint>
#include <string>

#include "platform/DateTime.h"

namespace vantor {

// Appends "dd.mm.yyyy;h:mm:ss;type;detail" to Evenements.csv under the chain.
// Throws FileError.
void LogEvent(const std::string& dataPath, const DateTime& when, const std::string& type,
              const std::string& detail = "");

// Logs the event; a failure to write it is not the caller's failure (the
// action it records already took place).
void TryLogEvent(const std::string& dataPath, const DateTime& when, const std::string& type,
                 const std::string& detail = "");

// The event of a receipt number spent that no sale bears:
// "Numéro de ticket non utilisé : 41".
std::string UnusedNumberEvent(std::int64_t numero);

}  // namespace vantor
