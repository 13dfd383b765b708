#pragma once

#include "startup/Startup.h"

class QApplication;
class QTranslator;

namespace vantor {

// The program with its window: starts the till on the Qt platform and runs it
// until the main window closes. Returns the process exit code: 0 after a
// normal run or when another instance took over, 1 when the start failed (the
// reason was shown). With exitWhenShown the program quits with 0 as soon as the
// main window has been drawn once (start-up benchmark).
// The language, the style and the fonts of the till's windows, set once on the
// application before any window is made (the translator must outlive it).
void SetUpApplication(QApplication& application, QTranslator& translator);

int RunGui(int argc, char** argv, const StartOptions& options, bool exitWhenShown = false);

}  // namespace vantor
