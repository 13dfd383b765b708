#pragma once

#include <filesystem>
#include <string>

namespace vantor {

// Paths are UTF-8 text everywhere in the till; they become the system's own
// form (UTF-16 on Windows) only here, on their way to the file system. Going
// through char8_t makes the conversion UTF-8 on every system, where building a
// path straight from a std::string would use the system's narrow code page.
std::filesystem::path ToPath(const std::string& utf8);
std::string FromPath(const std::filesystem::path& path);

}  // namespace vantor
