#include <termios.h>
#include <unistd.h>

#include "platform/Console.h"

namespace vantor {

HiddenTyping::HiddenTyping() {
    termios mode{};
    if (::isatty(STDIN_FILENO) == 0 || ::tcgetattr(STDIN_FILENO, &mode) != 0) {
        return;
    }
    onConsole_ = true;
    savedMode_ = mode.c_lflag;
    mode.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &mode);
}

HiddenTyping::~HiddenTyping() {
    termios mode{};
    if (onConsole_ && ::tcgetattr(STDIN_FILENO, &mode) == 0) {
        mode.c_lflag = static_cast<tcflag_t>(savedMode_);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &mode);
    }
}

}  // namespace vantor
