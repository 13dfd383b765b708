// The PIN digests: Argon2id as RFC 9106 gives it, a new salt each time, and
// a check that takes the right PIN only.
#include "staff/PinDigest.h"

#include <gtest/gtest.h>

#include <string>

#include "ledger/Hex.h"
#include "support/StaffFile.h"

namespace vantor {
namespace {

using test::kCheapCost;

// The test vector of RFC 9106 (5.3): Argon2id, 32 KiB, 3 passes, 4 lanes,
// with a secret and associated data. A cost given to the library in the
// wrong order, or another variant, gives other bytes.
TEST(PinDigest, Argon2idGivesTheBytesOfTheStandardsTestVector) {
    const std::string password(32, '\x01');
    const std::string salt(16, '\x02');
    const std::string secret(8, '\x03');
    const std::string associated(12, '\x04');
    EXPECT_EQ(ToHex(Argon2id(password, salt, secret, associated, {3, 32, 4}, 32)),
              "0d640df58d78766c08c037a34a8b53c9d01ef0452d75b65eb52520e96b01e659");
}

TEST(PinDigest, EachDigestHasItsOwnSaltAndChecksOnlyItsPin) {
    const Pin pin("2580");
    const PinDigest first = DigestPin(pin, kCheapCost);
    const PinDigest second = DigestPin(pin, kCheapCost);
    EXPECT_EQ(first.cost, kCheapCost);
    EXPECT_EQ(first.salt.size(), 32u);
    EXPECT_EQ(first.digest.size(), 64u);
    EXPECT_TRUE(IsLowerHex(first.salt) && IsLowerHex(first.digest));
    EXPECT_NE(first.salt, second.salt);
    EXPECT_NE(first.digest, second.digest);
    EXPECT_TRUE(PinMatches(Pin("2580"), first));
    EXPECT_TRUE(PinMatches(Pin("2580"), second));
    for (const char* other : {"2581", "0258", "25800", "8052", "", "258"}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(PinMatches(Pin(other), first));
    }
}

// The digest is that of the PIN with the salt and the cost it names: the
// same PIN under another salt or cost is another digest.
TEST(PinDigest, TheSaltAndTheCostAreBothPartOfTheDigest) {
    const PinDigest made = DigestPin(Pin("1357"), kCheapCost);
    PinDigest otherSalt = made;
    otherSalt.salt[0] = otherSalt.salt[0] == '0' ? '1' : '0';
    EXPECT_FALSE(PinMatches(Pin("1357"), otherSalt));
    PinDigest otherCost = made;
    otherCost.cost.passes = 2;
    EXPECT_FALSE(PinMatches(Pin("1357"), otherCost));
    PinDigest otherDigest = made;
    otherDigest.digest[63] = otherDigest.digest[63] == 'a' ? 'b' : 'a';
    EXPECT_FALSE(PinMatches(Pin("1357"), otherDigest));
}

TEST(PinDigest, ACostBeyondWhatATillSpendsIsRefused) {
    const struct {
        Argon2Cost cost;
        bool reasonable;
    } rows[] = {
        {kPinCost, true},        {{1, 8, 1}, true},   {{16, 262144, 4}, true}, {{0, 8, 1}, false},
        {{17, 8, 1}, false},     {{1, 7, 1}, false},  {{1, 31, 4}, false},  // 8 KiB a lane at least
        {{1, 262145, 1}, false}, {{1, 64, 0}, false}, {{1, 64, 5}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.cost.passes) + "/" + std::to_string(row.cost.memoryKiB) +
                     "/" + std::to_string(row.cost.lanes));
        EXPECT_EQ(IsReasonableCost(row.cost), row.reasonable);
    }
    // A digest that asks too much is never computed: it checks no PIN.
    PinDigest greedy = DigestPin(Pin("1234"), kCheapCost);
    greedy.cost.memoryKiB = 4000000000;
    EXPECT_FALSE(PinMatches(Pin("1234"), greedy));
}

}  // namespace
}  // namespace vantor
