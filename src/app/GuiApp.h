#pragma once

#include "startup/Startup.h"

namespace vantor {

// The program with its window: starts the till on the Qt platform and runs it
// until the main window closes. Returns the process exit code: 0 after a
// normal run or when another instance took over, 1 when the start failed (the
// reason was shown). With exitWhenShown the program quits with 0 as soon as the
// main window has been drawn once (start-up benchmark).
int RunGui(int argc, char** argv, const StartOptions& options, bool exitWhenShown = false);

}  // namespace vantor
