#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantor {

inline constexpr const char* kServeursFile = "Serveurs.txt";

// The waiters' names, one per line; nullopt when the file did not exist (it
// is then created empty).
std::optional<std::vector<std::string>> ReadServeursFile(const std::string& dataPath);

}  // namespace vantor
