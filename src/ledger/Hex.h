#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// Bytes as lower-case hexadecimal digits, and back.
std::string ToHex(std::string_view bytes);
// Nothing when the text is not an even number of hexadecimal digits.
std::optional<std::string> FromHex(std::string_view hex);
// Only lower-case hexadecimal digits (the form every hash and key is written in).
bool IsLowerHex(std::string_view text);

}  // namespace vantor
