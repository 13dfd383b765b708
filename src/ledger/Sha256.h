#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vantor {

// SHA-256 (libgcrypt), fed piece by piece; Hex() ends the digest.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Update(std::string_view bytes);
    // The digest as 64 lower-case hexadecimal digits; the object starts anew.
    std::string Hex();
    // Ends the digest as Hex() does: whether it is the one hex writes (lower
    // case), without making a string of it, for checks of many entries.
    bool Matches(std::string_view hex);

private:
    struct Context;
    std::unique_ptr<Context> context_;
};

// The SHA-256 of bytes held in memory, in hexadecimal.
std::string Sha256Hex(std::string_view bytes);

}  // namespace vantor
