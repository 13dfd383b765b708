#pragma once

#include <string>
#include <vector>

namespace vantor {

// The lines of a data file; when the file does not exist it is first created
// with the given default lines (an empty file when there are none).
std::vector<std::string> ReadOrCreate(const std::string& path,
                                      const std::vector<std::string>& defaults = {});

}  // namespace vantor
