#include "data/Utf8.h"

namespace vantor {

namespace {

// A continuation byte: 10 and six bits of c, from the given shift.
char Continuation(char32_t c, int shift) {
    return static_cast<char>(0x80 | ((c >> shift) & 0x3F));
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += Continuation(c, 0);
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += Continuation(c, 6);
        out += Continuation(c, 0);
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += Continuation(c, 12);
        out += Continuation(c, 6);
        out += Continuation(c, 0);
    }
}

bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace vantor
