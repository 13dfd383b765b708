#pragma once

#include <string>
#include <vector>

#include "support/HeadlessTill.h"
#include "support/RunTill.h"

namespace vantor::test {

// A cash sale of one coffee, no receipt.
inline const std::string kCoffeeSale = "click Command1 2\nclick cmdPrint 0\nanswer no\n";

// A till that sold `sales` coffees on 05.12.2026.
void SellCoffees(const HeadlessTill& till, int sales);

// `vantor sauvegarder --data-dir DATA --vers DESTINATION`.
TillRun BackUp(const std::string& data, const std::string& destination);
// `vantor restaurer --depuis SOURCE --data-dir DATA` and the options.
TillRun Restore(const std::string& source, const std::string& data,
                const std::vector<std::string>& options = {});

// A data file's lines decoded from Windows-1252, each ended by "\n".
std::string TextOf(const std::string& path);

// The one complete backup of the destination, its folder (fails the test
// when there is not exactly one).
std::string OnlyBackup(const std::string& destination);

}  // namespace vantor::test
