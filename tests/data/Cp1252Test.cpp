// Bytes of every value surviving a read and a rewrite are checked through the
// data files (TextFileTest); here, the characters each byte stands for.
#include "data/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor {
namespace {

TEST(Cp1252Test, ReadsAndWritesTheUpperHalfAndAsciiUnchanged) {
    const std::pair<std::string, std::string> rows[] = {
        {"\x80\x8C\x9C\x85\x96\x97", "€Œœ…–—"},
        {"\x91\x92\x93\x94\x8A\x9A\x8E\x9E\x9F\x83\x99", "‘’“”ŠšŽžŸƒ™"},
        {"Caf\xE9 cr\xE8me br\xFBl\xE9\x65", "Café crème brûlée"},
        {"\xA0\xB0\xC0\xFF", "\u00A0°Àÿ"},
        {std::string("Pastis;4\0;3", 11), std::string("Pastis;4\0;3", 11)}};
    for (const auto& [bytes, text] : rows) {
        EXPECT_EQ(Cp1252ToUtf8(bytes), text);
        EXPECT_EQ(Utf8ToCp1252(text), bytes) << text;
    }
}

TEST(Cp1252Test, WritesEachCharacterItCannotHoldAndEachMalformedSequenceAsOneQuestionMark) {
    const std::pair<const char*, const char*> rows[] = {
        {"Győr", "Gy?r"},
        {"😀 merci", "? merci"},
        {"Ωμέγα", "?????"},
        {"\u0080\u0082\u009F", "???"},  // C1 controls other than the five undefined bytes
        {"a\xFF;", "a?;"},
        {"\xE2\x82", "?"},             // € cut short...
        {"\xE2\x82;", "?;"},           // ... the next character kept
        {"\xC3\xC3\xA9", "?\xE9"},     // a lone lead, then a real é
        {"\x80\x80", "??"},            // stray continuation bytes
        {"\xC0\xAF", "??"},            // overlong "/"
        {"\xED\xA0\x80", "???"},       // a surrogate
        {"\xF4\x90\x80\x80", "????"},  // beyond U+10FFFF
        {"\xF0\x8F\xBF\xBF", "????"},  // overlong U+FFFF
        {"\xF1\x80\x80\x80", "?"},     // U+40000, well formed
    };
    for (const auto& [text, bytes] : rows) {
        EXPECT_EQ(Utf8ToCp1252(text), bytes) << text;
    }
}

}  // namespace
}  // namespace vantor
