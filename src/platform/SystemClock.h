#pragma once

#include "platform/Services.h"

namespace vantor {

// The computer's clock, in local time.
class SystemClock : public Clock {
public:
    DateTime Now() override;
};

}  // namespace vantor
