// The separators of 64 bytes are found alike by the processor's wide compares
// and by the plain integer fallback of other processors.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "reports/Separators.h"

namespace vantor::test {
namespace {

TEST(Separators, WideAndPlainSearchesAgree) {
    std::mt19937 random(64);
    const std::string alphabet = ";\n\r0123456789.-Esp\xE9\x80\xFF\x01\x3A\x0A\x3B ";
    std::string bytes(64, ' ');
    for (int trial = 0; trial < 2000; ++trial) {
        for (char& byte : bytes) {
            byte = alphabet[random() % alphabet.size()];
        }
        const SeparatorMasks wide = FindSeparators(bytes.data());
        const SeparatorMasks plain = FindSeparatorsPortable(bytes.data());
        ASSERT_EQ(wide.semicolons, plain.semicolons) << bytes;
        ASSERT_EQ(wide.lineFeeds, plain.lineFeeds) << bytes;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            ASSERT_EQ((plain.semicolons >> i) & 1, bytes[i] == ';' ? 1u : 0u) << i;
            ASSERT_EQ((plain.lineFeeds >> i) & 1, bytes[i] == '\n' ? 1u : 0u) << i;
        }
    }
}

}  // namespace
}  // namespace vantor::test
