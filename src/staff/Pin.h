#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

// A PIN is 4 to 8 digits: short enough to type with a finger between two
// orders, and one of 10^4 at least.
inline constexpr std::size_t kPinMinDigits = 4;
inline constexpr std::size_t kPinMaxDigits = 8;

inline constexpr const char* kRegleCode =
    "Le code doit compter de 4 à 8 chiffres, sans lettre ni espace.";

// Why a typed PIN cannot be one ("" when it can). Never repeats the PIN.
std::string PinFault(std::string_view typed);

// Overwrites every character of the text, then empties it: a PIN that went
// through a text field leaves no copy in the memory that field gives back.
void Wipe(std::string& text);

// A PIN held in a buffer of its own, wiped when it goes. It is never copied:
// it is read, checked or digested, and forgotten.
class Pin {
public:
    // The typed text, taken when PinFault finds nothing against it;
    // otherwise the PIN is empty (Valid() false).
    explicit Pin(std::string_view typed);
    ~Pin();
    Pin(const Pin&) = delete;
    Pin& operator=(const Pin&) = delete;

    bool Valid() const { return size_ > 0; }
    std::string_view Digits() const { return {digits_.data(), size_}; }

private:
    std::array<char, kPinMaxDigits> digits_{};
    std::size_t size_ = 0;
};

}  // namespace vantor
