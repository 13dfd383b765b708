#pragma once

#include <string>
#include <vector>

#include "staff/PinDigest.h"

namespace vantor::test {

// The least cost Argon2id takes: a test signs in without waiting. The till
// reads the cost from each line, so it checks these PINs as it checks its own.
inline constexpr Argon2Cost kCheapCost{1, 8, 1};

// The line of Personnel.csv of a person whose PIN is pin, at the cheap cost.
std::string StaffLine(const std::string& name, const std::string& role, const std::string& pin);
// The bytes of a staff file holding those lines (Windows-1252, CR LF).
std::string StaffFile(const std::vector<std::string>& lines);

}  // namespace vantor::test
