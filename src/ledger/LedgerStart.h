#pragma once

#include <string>
#include <vector>

#include "platform/DateTime.h"

namespace vantor {

// A message for the user at start-up.
struct LedgerNotice {
    std::string text;
    bool alarm = false;  // a failed check, not a crash
};

// The start-up's part of the chain: settles a write that a crash cut short,
// chains a journal that has no chain yet, logs the event of a closure that a
// crash left without one, checks everything, and logs what it found and the
// start itself in Evenements.csv, and makes the folder's archive key when it
// has none. Selling goes on whatever the
// check says: refusing sales would hurt the shop, not the fraud. Throws
// FileError.
std::vector<LedgerNotice> OpenLedger(const std::string& dataPath, const DateTime& now);

}  // namespace vantor
