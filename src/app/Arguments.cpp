#include "app/Arguments.h"

#include <iostream>

namespace vantor {

std::optional<Arguments> ParseArguments(const std::vector<std::string>& words, std::string& error) {
    Arguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= words.size() || words[i + 1].empty()) {
                error = "valeur manquante après " + word;
                return std::nullopt;
            }
            return words[++i];
        };
        std::optional<std::string>* target = word == "--data-dir"  ? &arguments.start.dataDir
                                             : word == "--script"  ? &arguments.scriptFile
                                             : word == "--pdf-dir" ? &arguments.pdfDir
                                                                   : nullptr;
        if (target != nullptr) {
            *target = value();
            if (!*target) {
                return std::nullopt;
            }
        } else if (word == "--headless") {
            arguments.headless = true;
        } else if (word == "--system-printers") {
            arguments.systemPrinters = true;
        } else if (word == "--exit-when-shown") {
            arguments.exitWhenShown = true;
        } else {
            error = "argument inconnu : " + word;
            return std::nullopt;
        }
    }
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
        std::cerr << error << '\n' << kUsage;
    }
    return arguments;
}

}  // namespace vantor
