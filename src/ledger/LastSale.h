#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantor {

// The receipt number of the last sale the chain of the data folder announces,
// given up or not: a number that may have been printed. Nothing without a
// chain or a sale in it. The chain is read from its end. Throws FileError.
std::optional<std::int64_t> LastSaleReceipt(const std::string& dataPath);

}  // namespace vantor
