#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/DataFiles.h"

namespace vantor {

inline constexpr const char* kServeursFile = "Serveurs.txt";

// The waiters' names, one per line; nullopt when the file did not exist (it
// is then created empty, unless missing says otherwise).
std::optional<std::vector<std::string>> ReadServeursFile(const std::string& dataPath,
                                                         WhenMissing missing = WhenMissing::Create);

}  // namespace vantor
