#include "app/Arguments.h"

#include <iostream>

#include "app/CommandLine.h"

namespace vantor {

std::optional<Arguments> ParseArguments(const std::vector<std::string>& words, std::string& error) {
    const std::optional<CommandLine> line = ReadCommandLine(kTill, words, error);
    if (!line) {
        return std::nullopt;
    }
    Arguments arguments;
    arguments.headless = line->Has("--headless");
    arguments.exitWhenShown = line->Has("--exit-when-shown");
    arguments.systemPrinters = line->Has("--system-printers");
    arguments.start.dataDir = line->Value("--data-dir");
    arguments.scriptFile = line->Value("--script");
    arguments.pdfDir = line->Value("--pdf-dir");
    if (!arguments.headless &&
        (arguments.scriptFile || arguments.pdfDir || arguments.systemPrinters)) {
        error = "--script, --pdf-dir et --system-printers vont avec --headless";
        return std::nullopt;
    }
    if (arguments.pdfDir && arguments.systemPrinters) {
        error = "--pdf-dir et --system-printers ne vont pas ensemble";
        return std::nullopt;
    }
    return arguments;
}

std::optional<Arguments> ArgumentsOrUsage(const std::vector<std::string>& words) {
    std::string error;
    std::optional<Arguments> arguments = ParseArguments(words, error);
    if (!arguments) {
        TellUsage(std::cerr, kTill, error);
    }
    return arguments;
}

}  // namespace vantor
