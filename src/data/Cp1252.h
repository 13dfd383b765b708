#pragma once

#include <string>
#include <string_view>

namespace vantor {

// Data files are Windows-1252 on disk and UTF-8 in memory.

// Every byte becomes one character. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) read back as U+0081 etc., so they
// survive a read and a rewrite unchanged.
std::string Cp1252ToUtf8(std::string_view bytes);

// A character that Windows-1252 cannot hold (and a malformed UTF-8 sequence)
// is written as "?".
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace vantor
