#pragma once

#include <string>
#include <system_error>

namespace vantor {

// The reason a system call failed with this errno value, in French: every
// error a file, a folder, a lock or a program start of the till can meet has
// its own words; any other is "erreur système n° N", N being the number.
std::string SystemErrorText(int error);
// The same for an error of the standard library (std::filesystem): its errno
// value when it has one, else its number.
std::string SystemErrorText(const std::error_code& error);

}  // namespace vantor
