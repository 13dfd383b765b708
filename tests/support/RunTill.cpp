#include "support/RunTill.h"

#include <sstream>
#include <thread>

#include "support/TillProcess.h"

namespace vantor::test {

RunningTill::RunningTill(const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment)
    : child_(StartProcess(arguments, environment)) {}

RunningTill::~RunningTill() {
    if (Running(*child_)) {
        Finish("");
    }
}

void RunningTill::Send(const std::string& lines) {
    SendInput(*child_, lines);
}

bool RunningTill::WaitFor(const std::string& text, int timeoutMs) {
    while (run_.out.find(text) == std::string::npos) {
        if (!ReadOutput(*child_, run_.out, timeoutMs)) {
            return false;
        }
    }
    return true;
}

// Each pipe has its own thread, so that no full pipe blocks the run.
TillRun RunningTill::Finish(const std::string& input) {
    std::thread feeder([&] {
        SendInput(*child_, input);
        CloseInput(*child_);
    });
    std::thread errors([&] { ReadToEnd(*child_, true, run_.err); });
    ReadToEnd(*child_, false, run_.out);
    errors.join();
    feeder.join();
    run_.status = WaitForExit(*child_);
    return run_;
}

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
