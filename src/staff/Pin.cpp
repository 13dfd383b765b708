#include "staff/Pin.h"

#include <algorithm>

namespace vantor {

namespace {

// Writes through a volatile pointer, which the compiler may not drop as a
// store to memory that is never read again.
void WipeBytes(char* bytes, std::size_t size) {
    volatile char* p = bytes;
    for (std::size_t i = 0; i < size; ++i) {
        p[i] = '\0';
    }
}

}  // namespace

std::string PinFault(std::string_view typed) {
    const bool digits =
        std::all_of(typed.begin(), typed.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (typed.empty()) {
        return "Tapez le code.";
    }
    if (!digits || typed.size() < kPinMinDigits || typed.size() > kPinMaxDigits) {
        return kRegleCode;
    }
    return "";
}

void Wipe(std::string& text) {
    // Also what an earlier, longer text left past the end of this one.
    text.resize(text.capacity());
    WipeBytes(text.data(), text.size());
    text.clear();
}

Pin::Pin(std::string_view typed) {
    if (PinFault(typed).empty()) {
        std::copy(typed.begin(), typed.end(), digits_.begin());
        size_ = typed.size();
    }
}

Pin::~Pin() {
    WipeBytes(digits_.data(), digits_.size());
}

}  // namespace vantor
