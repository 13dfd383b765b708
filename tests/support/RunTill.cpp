#include "support/RunTill.h"

#include <chrono>
#include <sstream>
#include <thread>

namespace vantor::test {

RunningTill::RunningTill(const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment)
    : child_(StartProcess(arguments, environment, outputs_ / "out", outputs_ / "err")) {}

RunningTill::~RunningTill() {
    if (!finished_) {
        Finish("");
    }
}

void RunningTill::Send(const std::string& lines) {
    SendInput(child_, lines);
}

bool RunningTill::WaitFor(const std::string& text, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Slurp(outputs_ / "out").find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

TillRun RunningTill::Finish(const std::string& input) {
    SendInput(child_, input);
    finished_ = true;
    const int status = WaitForExit(child_);
    return {status, Slurp(outputs_ / "out"), Slurp(outputs_ / "err")};
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
