// windows.h first: the other system headers need its definitions.
#include <windows.h>

#include "platform/Console.h"

namespace vantor {

HiddenTyping::HiddenTyping() {
    DWORD mode = 0;
    HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (input == INVALID_HANDLE_VALUE || ::GetConsoleMode(input, &mode) == 0) {
        return;
    }
    onConsole_ = true;
    savedMode_ = mode;
    ::SetConsoleMode(input, mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
}

HiddenTyping::~HiddenTyping() {
    if (onConsole_) {
        ::SetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), static_cast<DWORD>(savedMode_));
    }
}

}  // namespace vantor
