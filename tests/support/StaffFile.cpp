#include "support/StaffFile.h"

#include "data/TextFile.h"

namespace vantor::test {

std::string StaffLine(const std::string& name, const std::string& role, const std::string& pin) {
    const Pin code(pin);
    const PinDigest digest = DigestPin(code, kCheapCost);
    return name + ';' + role + ";argon2id;1;8;1;" + digest.salt + ';' + digest.digest;
}

std::string StaffFile(const std::vector<std::string>& lines) {
    return EncodeLines(lines);
}

}  // namespace vantor::test
