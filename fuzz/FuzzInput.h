#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What every fuzz target shares: the input written as a data file, and a
// check that stops the run the way the fuzzer counts as a crash.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace vantor::fuzz {

// A data folder of this process's own, removed when it exits.
const std::string& DataFolder();

// Writes the bytes as the file `name` of that folder, as they are; returns its path.
std::string WriteDataFile(const char* name, std::string_view bytes);

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The reports of the data folder, with the settings its files give, over a
// small journal of every kind of record (written when the folder has none).
void ReportOnFolder();

// Aborts with the message when a property the readers promise does not hold.
void Require(bool holds, const char* what);

}  // namespace vantor::fuzz
