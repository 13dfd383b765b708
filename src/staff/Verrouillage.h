#pragma once

#include <string>

namespace vantor {

// The minutes without a touch after which the till locks itself, when staff
// management is on: one line of Verrouillage.txt, written by the staff dialog.
inline constexpr const char* kVerrouillageFile = "Verrouillage.txt";
inline constexpr int kDelaiMaxMinutes = 240;

// 0 (never) when the file is missing or holds no number from 0 to 240.
int LireDelaiVerrouillage(const std::string& dataPath);
// Rewrites the file (atomically). Throws FileError.
void EcrireDelaiVerrouillage(const std::string& dataPath, int minutes);

}  // namespace vantor
