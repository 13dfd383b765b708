#include "ledger/Hex.h"

namespace vantor {

namespace {

int Digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

}  // namespace

std::string ToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0xF];
    }
    return hex;
}

std::optional<std::string> FromHex(std::string_view hex) {
    if (hex.size() % 2 != 0 || !IsLowerHex(hex)) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        bytes += static_cast<char>(Digit(hex[i]) * 16 + Digit(hex[i + 1]));
    }
    return bytes;
}

bool IsLowerHex(std::string_view text) {
    for (const char c : text) {
        if (Digit(c) < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace vantor
