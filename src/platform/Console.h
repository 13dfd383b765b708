#pragma once

namespace vantor {

// While it lives, what is typed on the console that is standard input does
// not show (a PIN typed at the keyboard). Nothing changes when standard
// input is no console (a pipe, a file).
class HiddenTyping {
public:
    HiddenTyping();
    ~HiddenTyping();
    HiddenTyping(const HiddenTyping&) = delete;
    HiddenTyping& operator=(const HiddenTyping&) = delete;

    // Standard input is a console: a prompt is worth showing.
    bool OnConsole() const { return onConsole_; }

private:
    bool onConsole_ = false;
    unsigned long savedMode_ = 0;
};

}  // namespace vantor
