#pragma once

#include <string>

namespace vantor {

// The till's text is UTF-8 in memory.

// Appends the bytes of the character c (up to U+10FFFF): one for ASCII, up
// to four.
void AppendUtf8(std::string& out, char32_t c);

// Whether the byte continues a character (10xxxxxx) rather than starting one.
bool IsUtf8Continuation(char byte);

}  // namespace vantor
