#pragma once

#include <string>
#include <vector>

namespace vantor {

// What a reader does when a data file does not exist.
enum class WhenMissing {
    Create,       // creates it with the default lines
    UseDefaults,  // takes the default lines and writes nothing (the report command)
};

// The lines of a data file; when the file does not exist it is first created
// with the given default lines (an empty file when there are none).
std::vector<std::string> ReadOrCreate(const std::string& path,
                                      const std::vector<std::string>& defaults = {},
                                      WhenMissing missing = WhenMissing::Create);

}  // namespace vantor
