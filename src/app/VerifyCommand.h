#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace vantor {

// `vantor verify [--data-dir DIR]`: checks the chain of the data folder
// (the remembered one without --data-dir) against its journal and event log.
// Prints "Journal intact : N enregistrements, M clôtures" and returns 0, or
// "Journal altéré : " and the first broken record and returns 1; 2 for bad
// arguments or a folder that cannot be found. Reads only: it also runs while
// the till is open on the folder.
int RunVerifyCommand(const std::vector<std::string>& words, Settings& settings,
                     std::ostream& out, std::ostream& err);

inline constexpr const char* kVerifyUsage = "  vantor verify [--data-dir DOSSIER]\n";

}  // namespace vantor
