#include "support/RunTill.h"

#include <sstream>

namespace vantor::test {

TillRun RunVantor(const std::vector<std::string>& arguments, const std::string& input,
                  const std::map<std::string, std::string>& environment) {
    return RunningTill(arguments, environment).Finish(input);
}

TillRun RunScript(const std::string& dataDir, const std::string& script) {
    return RunVantor({"--headless", "--data-dir", dataDir}, script);
}

std::vector<std::string> LinesStartingWith(const std::string& transcript,
                                           const std::string& prefix) {
    std::vector<std::string> lines;
    std::istringstream in(transcript);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(prefix)) {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace vantor::test
