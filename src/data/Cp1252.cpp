#include "data/Cp1252.h"

#include <array>

#include "data/Utf8.h"

namespace vantor {

namespace {

// Characters of the bytes 0x80..0x9F. The undefined bytes keep their own
// value (U+0081 ...) so that they come back unchanged when a file is rewritten.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

constexpr char kUnrepresentable = '?';

char32_t CharacterOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;  // ASCII and 0xA0..0xFF are Latin-1
}

// The byte holding c, or '?' when Windows-1252 has no place for it.
char ByteOfCharacter(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return kUnrepresentable;
}

// One decoded UTF-8 sequence: its character, or nothing when the bytes are
// malformed, and how many bytes it covers.
struct Decoded {
    char32_t character;
    bool valid;
    std::size_t length;
};

// Decodes the sequence at the front of text. A malformed sequence covers its
// longest valid beginning (at least one byte), so each bad sequence gives
// exactly one "?" and the next good character is never swallowed.
Decoded DecodeFront(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) {
        return {lead, true, 1};
    }
    std::size_t needed = 0;
    char32_t value = 0;
    // Allowed range of the second byte: narrower after some leads, which
    // rules out overlong forms, surrogates and values beyond U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        needed = 1;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        needed = 2;
        value = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        needed = 3;
        value = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {0, false, 1};
    }
    for (std::size_t i = 1; i <= needed; ++i) {
        if (i >= text.size()) {
            return {0, false, i};
        }
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool inRange =
            i == 1 ? (byte >= low && byte <= high) : IsUtf8Continuation(static_cast<char>(byte));
        if (!inRange) {
            return {0, false, i};
        }
        value = (value << 6) | (byte & 0x3F);
    }
    return {value, true, needed + 1};
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char byte : bytes) {
        AppendUtf8(out, CharacterOfByte(static_cast<unsigned char>(byte)));
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded decoded = DecodeFront(utf8);
        out += decoded.valid ? ByteOfCharacter(decoded.character) : kUnrepresentable;
        utf8.remove_prefix(decoded.length);
    }
    return out;
}

}  // namespace vantor
