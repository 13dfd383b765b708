// The one UTF-8 encoder: the Windows-1252 reader (Cp1252Test) and the
// settings file's \x escapes (tests/headless/SettingsTest) write through it.
#include "data/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor {
namespace {

TEST(Utf8Test, EachCharacterTakesTheBytesOfItsRange) {
    const std::pair<char32_t, std::string> rows[] = {
        {U'\0', std::string(1, '\0')},
        {U'A', "A"},
        {0x7F, "\x7F"},
        {0x80, "\xC2\x80"},
        {U'é', "\xC3\xA9"},
        {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},
        {U'€', "\xE2\x82\xAC"},
        {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"},
        {U'😀', "\xF0\x9F\x98\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
    };
    for (const auto& [character, bytes] : rows) {
        std::string out = "x";
        AppendUtf8(out, character);
        EXPECT_EQ(out, "x" + bytes) << static_cast<unsigned>(character);
    }
}

}  // namespace
}  // namespace vantor
