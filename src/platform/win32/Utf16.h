#pragma once

#include <string>
#include <string_view>

namespace vantor::win32 {

// Text is UTF-8 throughout the till; the system's wide calls take UTF-16.
// Converted here, at the boundary, never byte by byte.
std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

// One argument of a command line as the C runtime's parser reads it back:
// quoted, with the backslashes before a quote doubled.
std::wstring QuotedArgument(std::wstring_view argument);

// The errno value closest to a system error code (GetLastError()), for the
// file system seam, whose callers speak errno.
int ErrnoOf(unsigned long error);

}  // namespace vantor::win32
