#pragma once

#include "platform/Services.h"

namespace vantor {

// Starts the "onboard" on-screen keyboard when it is installed; otherwise, and
// on any failure, does nothing.
class QtKeyboard : public OnScreenKeyboard {
public:
    void Show() override;
};

}  // namespace vantor
