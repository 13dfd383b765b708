#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "support/TillProcess.h"

namespace vantor::test {

// Why the tests that point the user's folders at a test account through
// environment variables are skipped on Windows.
inline constexpr const char* kNoTestAccountOnWindows =
    "the user's folders come from the system on Windows, which no environment variable "
    "redirects to a test account";

struct TillRun {
    int status = -1;  // exit status, or -1 when the process did not exit normally
    std::string out;  // the transcript
    std::string err;
};

// Runs the real program with these arguments, the script on standard input and
// extra environment variables, and waits for it.
TillRun RunVantor(const std::vector<std::string>& arguments, const std::string& input,
                  const std::map<std::string, std::string>& environment = {});

// A run that goes on while the test does something else: its script is fed
// later, line by line.
class RunningTill {
public:
    RunningTill(const std::vector<std::string>& arguments,
                const std::map<std::string, std::string>& environment = {});
    ~RunningTill();
    RunningTill(const RunningTill&) = delete;
    RunningTill& operator=(const RunningTill&) = delete;

    // Sends script lines without ending the script. The run starts once it has
    // read its first command that is not `clock` or `printers`.
    void Send(const std::string& lines);
    // Waits until the transcript holds text (false after timeoutMs).
    bool WaitFor(const std::string& text, int timeoutMs = 10000);
    // Sends the rest of the script, closes its input and waits for the end.
    TillRun Finish(const std::string& input);

private:
    TempDir outputs_;
    TillProcess child_;
    bool finished_ = false;
};

// `vantor --headless --data-dir DIR` with the script.
TillRun RunScript(const std::string& dataDir, const std::string& script);

// The transcript lines that start with prefix.
std::vector<std::string> LinesStartingWith(const std::string& transcript,
                                           const std::string& prefix);

}  // namespace vantor::test
