#include "data/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor {
namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    return bytes;
}

TEST(Cp1252Test, ReadsTheSpecialCharactersOfTheUpperHalf) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252ToUtf8("\x8C\x9C"), "Œœ");
    EXPECT_EQ(Cp1252ToUtf8("\x85\x96\x97"), "…–—");
    EXPECT_EQ(Cp1252ToUtf8("\x91\x92\x93\x94"), "‘’“”");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x9A\x8E\x9E\x9F\x83\x99"), "ŠšŽžŸƒ™");
}

TEST(Cp1252Test, ReadsLatinOneAsItselfAndAsciiUnchanged) {
    EXPECT_EQ(Cp1252ToUtf8("Caf\xE9 cr\xE8me br\xFBl\xE9\x65"), "Café crème brûlée");
    EXPECT_EQ(Cp1252ToUtf8("\xA0\xB0\xC0\xFF"), "\u00A0°Àÿ");
    EXPECT_EQ(Cp1252ToUtf8("Pastis;4;3"), "Pastis;4;3");
    EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1252Test, UndefinedBytesReadAsTheirOwnCodePointAndWriteBack) {
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Utf8ToCp1252("\u0081\u008D\u008F\u0090\u009D"), "\x81\x8D\x8F\x90\x9D");
}

TEST(Cp1252Test, EveryByteSurvivesAReadAndARewrite) {
    const std::string bytes = AllBytes();
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(bytes)), bytes);
}

TEST(Cp1252Test, WritesEachCharacterItCannotHoldAsOneQuestionMark) {
    EXPECT_EQ(Utf8ToCp1252("Győr"), "Gy?r");
    EXPECT_EQ(Utf8ToCp1252("😀 merci"), "? merci");
    EXPECT_EQ(Utf8ToCp1252("Ωμέγα"), "?????");
    // C1 controls other than the five undefined bytes are not Windows-1252.
    EXPECT_EQ(Utf8ToCp1252("\u0080\u0082\u009F"), "???");
    EXPECT_EQ(Utf8ToCp1252("€ œ"), "\x80 \x9C");
}

TEST(Cp1252Test, WritesEachMalformedSequenceAsOneQuestionMark) {
    EXPECT_EQ(Utf8ToCp1252("a\xFF;"), "a?;");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "?");             // € cut short...
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82;"), "?;");           // ... the next character kept
    EXPECT_EQ(Utf8ToCp1252("\xC3\xC3\xA9"), "?\xE9");     // a lone lead, then a real é
    EXPECT_EQ(Utf8ToCp1252("\x80\x80"), "??");            // stray continuation bytes
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");            // overlong "/"
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");       // a surrogate
    EXPECT_EQ(Utf8ToCp1252("\xF4\x90\x80\x80"), "????");  // beyond U+10FFFF
}

}  // namespace
}  // namespace vantor
