#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

// Character-aware text helpers: every count and position is in characters
// (Unicode code points of the UTF-8 text), never in bytes, and positions are
// 1-based like the rest of the till's rules. Use these everywhere a width,
// a cut or a position is computed.

std::size_t Len(std::string_view s);
// The first n characters (all when the text is shorter).
std::string Left(std::string_view s, std::size_t n);
// n characters from position start (1-based); to the end without n.
std::string Mid(std::string_view s, std::size_t start, std::size_t n = std::string_view::npos);
// Spaces (only spaces) removed at both ends.
std::string Trim(std::string_view s);
// Padded with spaces on the right up to at least width characters.
std::string PadRight(std::string_view s, std::size_t width);
// Padded with spaces on the left up to at least width characters.
std::string PadLeft(std::string_view s, std::size_t width);
// Padded on the right or cut to exactly width characters.
std::string FitRight(std::string_view s, std::size_t width);
std::string Replace(std::string_view s, std::string_view what, std::string_view with);
// The text before the first occurrence of separator (all of it when absent).
std::string Before(std::string_view s, std::string_view separator);
// "de " and the name, or "d'" before a vowel or an h, taken as mute as it is
// in most first names: "le ticket d'Anne", "d'Hélène", "d'Yves", "de Yann",
// "de Marc".
std::string DeNom(std::string_view name);

}  // namespace vantor
