// What can be a PIN: 4 to 8 digits, nothing else.
#include "staff/Pin.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(Pin, OnlyFourToEightDigitsMakeAPin) {
    const struct {
        const char* typed;
        bool taken;
    } rows[] = {
        {"1234", true},       {"0000", true},
        {"12345678", true},   {"987654", true},
        {"", false},          {"123", false},
        {"123456789", false}, {"12a4", false},
        {"abcd", false},      {"12 34", false},
        {" 1234", false},     {"1234 ", false},
        {"-1234", false},     {"+1234", false},
        {"12.34", false},     {"\xD9\xA1\xD9\xA2\xD9\xA3\xD9\xA4", false},  // Arabic-Indic digits
        {"１２３４", false},                                                // full-width digits
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(PinFault(row.typed).empty(), row.taken);
        const Pin pin(row.typed);
        EXPECT_EQ(pin.Valid(), row.taken);
        EXPECT_EQ(pin.Digits(), row.taken ? row.typed : "");
    }
}

TEST(Pin, AFaultSaysWhatAPinIsWithoutRepeatingIt) {
    EXPECT_EQ(PinFault(""), "Tapez le code.");
    for (const char* typed : {"123", "123456789", "12a4", "98 76"}) {
        SCOPED_TRACE(typed);
        const std::string fault = PinFault(typed);
        EXPECT_EQ(fault, "Le code doit compter de 4 à 8 chiffres, sans lettre ni espace.");
    }
}

TEST(Pin, AWipedTextIsEmpty) {
    std::string typed = "12345678";
    Wipe(typed);
    EXPECT_TRUE(typed.empty());
}

// Every byte of the buffer is overwritten, also those past the end of the
// text that an earlier, longer one left there: a short text in its own
// buffer, and one on the heap that was longer before.
TEST(Pin, AWipeLeavesNoDigitInTheTextsBuffer) {
    std::string shortText = "86429753";
    std::string reused(40, '7');
    reused = "1357";
    for (std::string* text : {&shortText, &reused}) {
        const char* buffer = text->data();
        const std::size_t capacity = text->capacity();
        Wipe(*text);
        ASSERT_EQ(text->data(), buffer);  // wiped in place, not given a new buffer
        for (std::size_t i = 0; i < capacity; ++i) {
            EXPECT_EQ(buffer[i], '\0') << "byte " << i << " of " << capacity;
        }
    }
}

}  // namespace
}  // namespace vantor
