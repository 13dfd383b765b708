#pragma once

#include <optional>
#include <string>
#include <vector>

#include "startup/Startup.h"

namespace vantor {

// What the command line asks for.
struct Arguments {
    bool headless = false;
    bool exitWhenShown = false;  // start-up benchmark: quit once the window is drawn
    StartOptions start;
    std::optional<std::string> scriptFile;
    std::optional<std::string> pdfDir;
    bool systemPrinters = false;  // headless, printing on the system's printers
};

// nullopt, with the reason in error, when the arguments are not understood.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& words, std::string& error);
// The same, telling the reason and the usage (Usage(kTill)) on the error stream.
std::optional<Arguments> ArgumentsOrUsage(const std::vector<std::string>& words);

}  // namespace vantor
